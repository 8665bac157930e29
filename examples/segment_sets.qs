# A plate with three rows of five holes, dimensioned by the Segment tool's sets: the top
# row as a chain, the middle row from its first hole (a baseline set), the bottom row as
# ordinates from its first hole. The pointer rests on the last hole of the ordinates.
#
#   build/quill run examples/segment_sets.qs --annotation out/segment_sets.svg
pref Precision 0
pref UnitePrefs 1
pref TypeDeCote 1
pref ModeCotation 1
doc new 720 520
rect 40 20 640 470 name plate
circle 80 420 6 name top1
circle 180 420 6 name top2
circle 340 420 6 name top3
circle 480 420 6 name top4
circle 640 420 6 name top5
circle 80 250 6 name middle1
circle 180 250 6 name middle2
circle 340 250 6 name middle3
circle 480 250 6 name middle4
circle 640 250 6 name middle5
circle 80 80 6 name bottom1
circle 180 80 6 name bottom2
circle 340 80 6 name bottom3
circle 480 80 6 name bottom4
circle 640 80 6 name bottom5
startup
tool segment
# The chain: the first dimension placed above the row, then one click a hole.
click 80 426
down 180 426
drag 180 455
up 180 455
click 340 426
click 480 426
click 640 426
move 360 350 esc
shutdown
pref ModeCotation 2
startup
tool segment
# The baseline set: each line one step (twice the text size) further out.
click 80 256
down 180 256
drag 180 285
up 180 285
click 340 256
click 480 256
click 640 256
move 360 180 esc
shutdown
pref ModeCotation 3
startup
tool segment
# Ordinates: the zero, then each hole; the common line dragged up to 110.
down 80 86
drag 80 110
up 80 110
click 180 86
click 340 86
click 480 86
click 640 86
zoom 1.6
move 640 86

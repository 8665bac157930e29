# The demo: dimension the mounting plate of plaque.svg with the Segment tool, save the
# dimensioned drawing and let scripts/demo.sh draw its picture.
#
#   build/quill run examples/demo.qs
# Millimetres, one decimal, a thinner line and smaller arrowheads than the defaults, and
# extension lines that stop 6 points short of what they measure.
pref Precision 1
pref UnitePrefs 1
pref Epaisseur 0.5
pref Zoom 100.0
pref Corps 9.0
pref Police "DejaVu Sans"
pref Gap 6.0
doc open plaque.svg

# Overall width: horizontal, between the two bottom corners, placed below the plate.
# (The type of dimension is a setting the plug-in reads when it starts.)
pref TypeDeCote 1
startup
tool segment
click 56.69 85.04
down 481.89 85.04
drag 270 50
up 270 50

# Overall height on the left: vertical, between the two left corners.
shutdown
pref TypeDeCote 2
startup
tool segment
click 56.69 311.81
down 56.69 85.04
drag 25 200
up 25 200

# The chamfer, measured as one straight segment, and the distance between the bores'
# centres (snapped points): oblique.
shutdown
pref TypeDeCote 0
startup
tool segment
down 453.54 283.46
drag 475 305
up 475 305
click 141.73 198.43
down 368.50 170.08
drag 262 235
up 262 235

# The fillet: the length of its arc; the cam: its length along the curve.
down 516.25 336.70
drag 522 352
up 522 352
down 258.66 39.69
drag 258.66 27
up 258.66 27

doc save ../out/plaque.svg
shutdown

# What the Segment tool shows beside the pointer: the first point clicked on the plate's
# bottom-left corner, the pointer now over the bottom-right corner. The ring marks the
# anchor under the pointer; the texts say what a click there would measure.
#
#   build/quill run examples/feedback_segment.qs --annotation out/feedback_segment.svg
pref Precision 1
pref UnitePrefs 1
doc open plaque.svg
startup
tool segment
click 56.69 85.04
move 481.89 85.04

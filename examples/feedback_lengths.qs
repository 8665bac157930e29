# What the Lengths & Areas tool shows while a selection rectangle is dragged over the
# plate: the dashed band, the paths it takes in shown selected, and the results of the
# collection beside the pointer once the band is released.
#
#   build/quill run examples/feedback_lengths.qs --annotation out/feedback_lengths.svg
pref Precision 1
pref UnitePrefs 1
doc open plaque.svg
startup
tool lengths
down 40 330
drag 500 70

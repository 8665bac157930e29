# The Parameters panel: a click of the Parameters tool opens the chooser there.
#
#   build/quill run examples/panel_chooser.qs --annotation out/panel_chooser.svg
doc open plaque.svg
startup
tool parameters
click 50 330
move 520 300

# The arrowheads page, opened from the chooser's fifth row.
#
#   build/quill run examples/panel_arrowheads.qs --annotation out/panel_arrowheads.svg
doc open plaque.svg
startup
tool parameters
click 50 330
click 150 249
move 520 300

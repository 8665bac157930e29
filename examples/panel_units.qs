# The unit page, opened from the chooser's first row.
#
#   build/quill run examples/panel_units.qs --annotation out/panel_units.svg
doc open plaque.svg
startup
tool parameters
click 50 330
click 150 321
move 520 300

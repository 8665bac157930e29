# Start Quill in the stand-in host and see what it registers: the six tools in one group
# and toolset, the About item in the shared submenu, the notifiers, the annotator "OrlAnno"
# (inactive), and the host's own selection tool current once start-up is over.
#
#   build/quill run examples/startup.qs --dump startup.json
doc new
startup

# The demo: dimension the mounting plate of plaque.svg with all five measuring tools,
# save the dimensioned drawing and let scripts/demo.sh draw its picture.
#
#   build/quill run examples/demo.qs --dump out/demo.json
#
# Millimetres, one decimal, a thinner line, smaller arrowheads and text than the
# defaults, and extension lines that stop 6 points short of what they measure. The
# plate's corners in points: (56.69, 311.81) top left, (425.20, 311.81) and
# (481.89, 255.12) the chamfer, (481.89, 85.04) bottom right, (56.69, 85.04) bottom left.
pref Precision 1
pref UnitePrefs 1
pref Epaisseur 0.5
pref Zoom 100.0
pref Corps 9.0
pref Police "DejaVu Sans"
pref Gap 6.0
pref Ligne 8.0
pref LongueurDuPoint 4.0
pref NbDiv 4
pref LongueurSurCourbe 50.0
doc open plaque.svg

# Lengths & Areas, above the plate: the contour collected, the length from its top-left
# corner round the chamfer picked between two of its anchors, the column written at a
# click on empty canvas.
startup
tool lengths
click 56.69 198.42
click 56.69 311.81
click 481.89 255.12
click 56.69 365.67

# Overall width, below the plate between it and the cam: horizontal, with a second
# measure in inches and a tolerance of ±0,1 mm. (The type of dimension, the second
# measure and the tolerance are settings the plug-in reads when it starts.)
shutdown
pref TypeDeCote 1
pref DoubleMesure true
pref SecondeUnite 3
pref PrecisionSeconde 2
pref AvecToleranceUn true
pref SymboleToleUn 2
pref ToleranceUn 0.1
startup
tool segment
click 56.69 85.04
down 481.89 85.04
drag 270 66.6
up 270 66.6

# Overall height on the left: vertical, between the two left corners.
shutdown
pref DoubleMesure false
pref AvecToleranceUn false
pref TypeDeCote 2
startup
tool segment
click 56.69 311.81
down 56.69 85.04
drag 25 200
up 25 200

# Oblique: the chamfer, measured as one straight segment, placed 8 mm outside it.
# The fillet: the length of its arc. The cam: its length along the curve, 8 mm below it.
# The last drag of each curved one holds Escape: its label alone moves, off the line.
shutdown
pref TypeDeCote 0
startup
tool segment
down 453.54 283.46
drag 469.58 299.50
up 469.58 299.50
down 516.25 336.70
drag 522 352
drag 555.5 351.4 esc
up 555.5 351.4 esc
down 258.66 39.68
drag 258.66 17
drag 276.76 4 esc
up 276.76 4 esc

# Angles at the chamfer's two corners, inside the plate, on arcs of 10 and 13 mm (the
# pointer's distance from the corner): the first by its vertex, the second by its two
# sides (the chamfer, then the right edge).
tool angle
down 425.20 311.81
drag 414.35 285.62
up 414.35 285.62
click 467.72 269.29
down 481.89 170.08
drag 447.84 241.02
up 447.84 241.02

# The small bore's radius and the large bore's diameter, each on a leader drawn from
# the circle at 45 degrees and ending in a landing to the right.
tool circle
down 384.54 186.11
drag 396.57 198.14
up 396.57 198.14
shutdown
pref Diametre true
startup
tool circle
down 165.79 222.48
drag 177.81 234.51
up 177.81 234.51

# Bézier: the cam divided into four equal parts, by marks 4 mm long (the pointer 4 points
# from the press; Ctrl leaves out the end marks); then, without "Partager", a centre mark
# on each bore and the point 50 mm along the cam from its left end, marked 8 mm long.
tool bezier
down 187.85 47.89
drag 187.85 51.89 ctrl
up 187.85 51.89 ctrl
shutdown
pref Partager false
startup
tool bezier
click 130.10 166.46
click 352.47 154.04
down 85.04 34.02
drag 85.04 42.02
up 85.04 42.02

doc save ../out/plaque.svg
shutdown

// What each preference key means, for docs/preferences.md. Every row of the settings table
// needs one: the document is written from the table and these words together.
#pragma once

#include <map>
#include <string>

namespace quill::testing {

inline const std::map<std::string, std::string>& PreferenceMeanings() {
    static const std::map<std::string, std::string> meanings = {
        {"NomCalque", "title of the layer dimensions are drawn in"},
        {"UnitePrefs",
         "unit of the main measure: 0 µm, 1 mm, 2 cm, 3 decimal inches, 4 fractional inches, "
         "5 feet and fractional inches, 6 points, 7 picas, 8 m, 9 km, 10 no unit (no label)"},
        {"AfficheUnite", "the unit's suffix follows the number (and \"°\" the angles)"},
        {"Precision", "decimals of the main measure and of angles"},
        {"Virgule", "decimal comma (true) or point (false) of the main measure"},
        {"Separateur", "thousands separator: 0 \",\", 1 space, 2 \"'\", 3 none"},
        {"EchelleNum", "scale numerator: lengths are divided by numerator / denominator"},
        {"EchelleDen", "scale denominator"},
        {"DoubleMesure", "a second measure on a second line of the label"},
        {"SecondeUnite", "unit of the second measure (codes as \"UnitePrefs\")"},
        {"AfficheSecondeUnite", "the second measure's suffix follows its number"},
        {"PrecisionSeconde", "decimals of the second measure (missing: as \"Precision\")"},
        {"VirguleSeconde", "decimal comma (true) or point (false) of the second measure"},
        {"TypeDeCote",
         "Segment tool: 0 oblique, 1 horizontal, 2 vertical, 3 horizontal and vertical over "
         "an object's bounds"},
        {"TexteHoriz", "Segment tool: labels stay horizontal"},
        {"DecalageSegY", "Segment tool: how far the label sits off the dimension line, points"},
        {"AvecAttaches", "Segment tool: extension lines are drawn"},
        {"Gap", "Segment tool: gap between a measured point and its extension line, points"},
        {"GroupeOuiNon", "Segment tool, type 3: the clicked path's group is measured"},
        {"Attaches",
         "distance of the dimension line from what it measures, points (follows the last drag)"},
        {"ModeCotation",
         "Segment tool: 0 simple, 1 chain (each next point continues from the last, on one "
         "line), 2 baseline (each next point from the first, one step further out), 3 "
         "ordinates (a zero, then each point's coordinate on a leader); written by its page "
         "only, not by the first start"},
        {"PasLigneDeBase",
         "Segment tool, baseline mode: the step between the set's lines, in text sizes "
         "(\"Corps\"); written by its page only, not by the first start"},
        {"StyleArc", "Angle tool: 0 one arc with arrowheads, 1 several concentric arcs"},
        {"NbArcs", "Angle tool: number of concentric arcs"},
        {"EcartArcs", "Angle tool: spacing of concentric arcs, points"},
        {"RayonAngle", "Angle tool: radius of the dimension arc and its Shift step, millimetres"},
        {"Diametre", "Circle tool: the diameter is measured (Alt swaps while dragging)"},
        {"RouD", "Circle tool: the sign \"R\" or \"Ø\" is written"},
        {"RouDAvant", "Circle tool: the sign comes before the number"},
        {"AvecRayTrace", "Circle tool: the radius or diameter line is drawn"},
        {"Ligne", "Circle tool: length of the leader's landing, millimetres"},
        {"Partager", "Bézier tool: divide into equal parts (else mark a point at a length)"},
        {"NbDiv", "Bézier tool: number of equal parts"},
        {"LongueurDuPoint", "Bézier tool: length of the marks, millimetres"},
        {"LongueurSurCourbe", "Bézier tool: length along the curve of the marked point, mm"},
        {"LALongTotale", "Lengths & Areas tool: the total length is written"},
        {"LALongPartie", "Lengths & Areas tool: the partial length is written"},
        {"LAAire", "Lengths & Areas tool: the area is written"},
        {"LANbrTraces", "Lengths & Areas tool: the number of paths is written"},
        {"LANbrPoints", "Lengths & Areas tool: the number of anchor points is written"},
        {"Epaisseur", "stroke width of dimension lines, points"},
        {"TraitsPointilles", "dimension lines are dashed"},
        {"TiretUn", "dash length, points"},
        {"TrouUn", "gap between dashes, points"},
        {"BoutRond", "round line caps"},
        {"NumeroDeFleche",
         "arrowhead shape: 0 barbed, 1 open V, 2 outlined triangle, 3 solid triangle, 4 dot, "
         "5 ring, 6 oblique tick"},
        {"Zoom", "arrowhead size, percent (0: no arrowheads)"},
        {"Corps", "text size of labels, points"},
        {"CorpsEnMillimetres", "the text size is shown in millimetres on its page"},
        {"Police", "font of labels (empty: the host's first font)"},
        {"NumeroPagePolices", "page of the font list shown, from 1"},
        {"TypeCoulTraits", "colour of lines: 0 grey, 1 RGB, 2 CMYK, 3 a custom colour"},
        {"Gris", "line colour: grey, 0 to 1"},
        {"Rouge", "line colour: red, 0 to 1"},
        {"Vert", "line colour: green, 0 to 1"},
        {"Bleu", "line colour: blue, 0 to 1"},
        {"Cyan", "line colour: cyan, 0 to 1"},
        {"Magenta", "line colour: magenta, 0 to 1"},
        {"Jaune", "line colour: yellow, 0 to 1"},
        {"NoirCMJN", "line colour: black, 0 to 1"},
        {"TypeCoulTexte", "colour of texts: kinds as \"TypeCoulTraits\""},
        {"GrisTexte", "text colour: grey"},
        {"RougeTexte", "text colour: red"},
        {"VertTexte", "text colour: green"},
        {"BleuTexte", "text colour: blue"},
        {"CyanTexte", "text colour: cyan"},
        {"MagentaTexte", "text colour: magenta"},
        {"JauneTexte", "text colour: yellow"},
        {"NoirTexteCMJN", "text colour: black"},
        {"OverprintFill", "fills overprint"},
        {"OverprintStroke", "strokes overprint"},
        {"AffCoulAnno", "the colour legend is shown beside the cursor"},
        {"AvecToleranceUn", "tolerance 1 is written beside the label"},
        {"ToleranceUn", "tolerance 1, in the main unit"},
        {"DecaleToleranceUn", "baseline shift of tolerance 1, points"},
        {"SymboleToleUn", "sign of tolerance 1: 0 \"+\", 1 \"-\", 2 \"±\""},
        {"CoefToleranceUn", "the page's steps for tolerance 1 are ten times larger"},
        {"AvecToleranceDeux", "tolerance 2 is written beside the label"},
        {"ToleranceDeux", "tolerance 2, in the main unit"},
        {"DecaleToleranceDeux", "baseline shift of tolerance 2, points"},
        {"SymboleToleDeux", "sign of tolerance 2, codes as \"SymboleToleUn\""},
        {"CoefToleranceDeux", "the page's steps for tolerance 2 are ten times larger"},
        {"NombreSouvenirsPrefs",
         "how many ends of measured segments the Segment tool's drag snaps to (two per "
         "segment)"},
        {"NumSetPrefs", "the preference group recalled last, 0 to 3"},
    };
    return meanings;
}

}  // namespace quill::testing

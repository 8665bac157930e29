// What the Parameters panel shows: the chooser, every page's titles, choices, help lines
// and group buttons' messages, and the one alert of the panel.
#pragma once

#include "plugin/text/cp1252_literal.h"

namespace quill::texts {

// Closed panel and chooser.
constexpr Cp1252Literal kOpenPanelHint("Cliquez pour afficher les paramètres.");
constexpr Cp1252Literal kChooserTitle("Choix du paramètre à modifier :");
constexpr Cp1252Literal kRecallGroupMessage("Rétablit tous les réglages du groupe de préférences ");

// The pages, in the order of the chooser's rows.
constexpr Cp1252Literal kPageUnit("Unité.");
constexpr Cp1252Literal kPageDoubleMeasure("Double mesure.");
constexpr Cp1252Literal kPageNumberFormat("Format de nombre.");
constexpr Cp1252Literal kPageScale("Échelle.");
constexpr Cp1252Literal kPageArrowheads("Pointes.");
constexpr Cp1252Literal kPageLineFormat("Format de ligne.");
constexpr Cp1252Literal kPageFont("Police.");
constexpr Cp1252Literal kPageTextSize("Corps.");
constexpr Cp1252Literal kPageColours("Couleurs.");
constexpr Cp1252Literal kPageTolerances("Tolérances.");
constexpr Cp1252Literal kPageLayerName("Nom du calque.");
constexpr Cp1252Literal kPageSegmentTool("Outil Segment.");
constexpr Cp1252Literal kPageAngleTool("Outil Angle.");
constexpr Cp1252Literal kPageCircleTool("Outil Cercle.");
constexpr Cp1252Literal kPageBezierTool("Outil Bézier.");
constexpr Cp1252Literal kPageLengthsTool("Outil Longueurs & Aires.");

// Pieces of the chooser's summaries.
constexpr Cp1252Literal kSummaryWithout("Sans");
constexpr Cp1252Literal kSummaryWith("Avec");
constexpr Cp1252Literal kSummaryNo("Non");
constexpr Cp1252Literal kSummaryDashed("pointillé, ");
constexpr Cp1252Literal kSummarySolid("continu");
constexpr Cp1252Literal kSummaryRoundCaps("bout rond");
constexpr Cp1252Literal kSummarySquareCaps("bout carré");

// Words shared by the pages.
constexpr Cp1252Literal kYes("Oui");
constexpr Cp1252Literal kNo("Non");
constexpr Cp1252Literal kWith("Avec");
constexpr Cp1252Literal kWithout("Sans");
constexpr Cp1252Literal kTimesTen("x10");
constexpr Cp1252Literal kTimesHundred("x100");
constexpr Cp1252Literal kStepsOfFive("De 5 en 5 avec Shift, de 0.1 en 0.1 avec ALT.");
constexpr Cp1252Literal kStepsOfOne("De 1 en 1 avec Shift, de 0.01 en 0.01 avec ALT.");

// "Unité."
constexpr Cp1252Literal kUnitTitle("Choix de l'unité :");
constexpr Cp1252Literal kShowUnit("Affiche l'unité :");
constexpr Cp1252Literal kUnitGroupMessage(
    "L'unité sélectionnée sera placée dans le groupe de préférences ");

// "Double mesure."
constexpr Cp1252Literal kDoubleMeasureOn("Il y aura une double mesure.");
constexpr Cp1252Literal kDoubleMeasureOff("Il n'y aura pas de double mesure.");
constexpr Cp1252Literal kSecondUnit("Seconde unité :");
constexpr Cp1252Literal kShowSecondUnit("Affiche l'unité");
constexpr Cp1252Literal kSecondPrecision("Précision : ");
constexpr Cp1252Literal kSecondSeparator("Séparateur décimal :");
constexpr Cp1252Literal kCommaWord("virgule");
constexpr Cp1252Literal kPointWord("point");

// "Format de nombre."
constexpr Cp1252Literal kPrecisionTitle("Choix de la précision :");
constexpr Cp1252Literal kDecimalSeparatorTitle("Choix du séparateur décimal :");
constexpr Cp1252Literal kDecimalComma(", (virgule)");
constexpr Cp1252Literal kDecimalPoint(". (point)");
constexpr Cp1252Literal kThousandsTitle("Choix du séparateur des classes :");
constexpr Cp1252Literal kThousandsComma(", (virgule)");
constexpr Cp1252Literal kThousandsSpace("  (espace)");
constexpr Cp1252Literal kThousandsApostrophe("' (apostrophe)");
constexpr Cp1252Literal kThousandsNone("  (aucun)");
constexpr Cp1252Literal kExample("Exemple : ");
constexpr Cp1252Literal kPrecisionGroupMessage(
    "La précision sélectionnée sera placée dans le groupe de préférences ");

// "Échelle."
constexpr Cp1252Literal kScaleTitle("Choix de l'échelle :");
constexpr Cp1252Literal kNumerator("Numérateur");
constexpr Cp1252Literal kDenominator("Dénominateur");
constexpr Cp1252Literal kScaleSteps("De 10 en 10 avec Shift, de 5 en 5 avec ALT.");
constexpr Cp1252Literal kScaleStepsTimesTen("De 100 en 100 avec Shift, de 50 en 50 avec ALT.");
constexpr Cp1252Literal kScaleStepsTimesHundred(
    "De 1 000 en 1 000 avec Shift, de 500 en 500 avec ALT.");
constexpr Cp1252Literal kScaleStepsTimesThousand(
    "De 10 000 en 10 000 avec Shift, de 5 000 en 5 000 avec ALT.");
constexpr Cp1252Literal kScaleGroupMessage(
    "L'échelle sélectionnée sera placée dans le groupe de préférences ");

// "Pointes."
constexpr Cp1252Literal kArrowShapeTitle("Choix de la forme des pointes :");
constexpr Cp1252Literal kArrowShapeGroupMessage(
    "La forme sélectionnée sera placée dans le groupe de préférences ");
constexpr Cp1252Literal kArrowSizeTitle("Choix de la taille des pointes :");
constexpr Cp1252Literal kArrowSizeSteps("De 50 en 50 avec Shift, de 1 en 1 avec ALT.");
constexpr Cp1252Literal kArrowSizeGroupMessage(
    "La taille sélectionnée sera placée dans le groupe de préférences ");

// "Format de ligne."
constexpr Cp1252Literal kLineWidthTitle("Épaisseur des lignes :");
constexpr Cp1252Literal kLineType("Type des lignes :");
constexpr Cp1252Literal kSolid("Continu");
constexpr Cp1252Literal kDashed("Pointillé");
constexpr Cp1252Literal kDash("Tiret :");
constexpr Cp1252Literal kGap("Espace :");
constexpr Cp1252Literal kDashSteps("De 2 en 2 avec Shift, de 0.1 en 0.1 avec ALT.");
constexpr Cp1252Literal kRoundCaps("Bout rond");
constexpr Cp1252Literal kSquareCaps("Bout carré");
constexpr Cp1252Literal kLineWidthGroupMessage(
    "L'épaisseur sélectionnée sera placée dans le groupe de préférences ");

// "Police." and "Corps."
constexpr Cp1252Literal kFontTitle("Choix de la police :");
constexpr Cp1252Literal kTextSizeTitle("Choix du corps :");
constexpr Cp1252Literal kTextSizeSteps("De 1 en 1 avec Shift, de 2 en 2 avec ALT.");
constexpr Cp1252Literal kTextSizeStepsTimesTen("De 10 en 10 avec Shift, de 20 en 20 avec ALT.");
constexpr Cp1252Literal kTextSizeGroupMessage(
    "Le corps sélectionné sera placé dans le groupe de préférences ");

// "Couleurs."
constexpr Cp1252Literal kColoursTitle("Couleurs :");
constexpr Cp1252Literal kLineColour("Couleur des traits.");
constexpr Cp1252Literal kTextColour("Couleur du texte.");
constexpr Cp1252Literal kOverprintFill("Surimpression du fond :");
constexpr Cp1252Literal kOverprintStroke("Surimpression du contour :");
constexpr Cp1252Literal kColoursNearCursor("Couleurs affichées près du curseur :");

// "Tolérances."
constexpr Cp1252Literal kTolerancesTitle("Tolérances :");
constexpr Cp1252Literal kWithTolerance1("Avec tolérance 1");
constexpr Cp1252Literal kWithTolerance2("Avec tolérance 2");
constexpr Cp1252Literal kToleranceOn("Il y aura un texte de tolérance.");
constexpr Cp1252Literal kToleranceOff("Il n'y aura pas de texte de tolérance.");
constexpr Cp1252Literal kTolerance1("Tolérance 1 :");
constexpr Cp1252Literal kTolerance2("Tolérance 2 :");
constexpr Cp1252Literal kToleranceSteps(
    "De 0,001 en 0,001 ou de 0,01 en 0,01 avec SHIFT ou de 0,0001 en 0,0001 avec ALT.");
constexpr Cp1252Literal kToleranceStepsTimesTen(
    "De 0,01 en 0,01 ou de 0,1 en 0,1 avec SHIFT ou de 0,001 en 0,001 avec ALT.");
constexpr Cp1252Literal kToleranceTimesTen("Multiplie par 10 l'effet des touches + et -.");
constexpr Cp1252Literal kPlusSign("+");
constexpr Cp1252Literal kMinusSign("-");
constexpr Cp1252Literal kPlusMinusSign("±");
constexpr Cp1252Literal kToleranceSigns("+, - ou ± avant la valeur de la tolérance.");
constexpr Cp1252Literal kToleranceOffset1("Décalage tolérance 1 :");
constexpr Cp1252Literal kToleranceOffset2("Décalage tolérance 2 :");

// "Outil Segment."
constexpr Cp1252Literal kDimensionTypeTitle("Type de cote :");
constexpr Cp1252Literal kOblique("Oblique");
constexpr Cp1252Literal kHorizontal("Horizontale");
constexpr Cp1252Literal kVertical("Verticale");
constexpr Cp1252Literal kBothWays("Horiz & Verti");
constexpr Cp1252Literal kMeasureGroup("Groupe");
constexpr Cp1252Literal kMeasureGroupHelp1("Si la case est cochée, c'est le groupe");
constexpr Cp1252Literal kMeasureGroupHelp2("auquel le tracé appartient qui est mesuré.");
constexpr Cp1252Literal kHorizontalText("Choix du texte horizontal :");
constexpr Cp1252Literal kTextOffset("Décalage vertical du texte :");
constexpr Cp1252Literal kExtensionLines("Avec attaches :");
constexpr Cp1252Literal kExtensionGap("Décalage des attaches :");
constexpr Cp1252Literal kSetModeLabel("Mode :");
constexpr Cp1252Literal kSingleMode("simple");
constexpr Cp1252Literal kChainMode("chaîne");
constexpr Cp1252Literal kBaselineMode("ligne de base");
constexpr Cp1252Literal kOrdinateMode("ordonnées");
constexpr Cp1252Literal kBaselineStep("Pas des lignes de base :");
constexpr Cp1252Literal kTimesTextSize(" x corps");
constexpr Cp1252Literal kSummaryStep(", pas ");

// "Outil Angle."
constexpr Cp1252Literal kArcTypeTitle("Type d'arc :");
constexpr Cp1252Literal kNormalArc("Normal");
constexpr Cp1252Literal kMultipleArcs("Multiple");
constexpr Cp1252Literal kArcCount("Nombre d'arcs :");
constexpr Cp1252Literal kArcSpacing("Écart entre les arcs :");
constexpr Cp1252Literal kArcRadius("Rayon de l'arc :");

// "Outil Cercle."
constexpr Cp1252Literal kRadiusOrDiameterTitle("Rayon ou diamètre :");
constexpr Cp1252Literal kRadius("Rayon.");
constexpr Cp1252Literal kDiameter("Diamètre.");
constexpr Cp1252Literal kCircleSign("Affichage de R ou Ø :");
constexpr Cp1252Literal kSignBefore("Avant");
constexpr Cp1252Literal kSignAfter("Après");
constexpr Cp1252Literal kRadiusLine("Avec ou sans rayon :");
constexpr Cp1252Literal kLandingLength("Longueur de l'attache :");

// "Outil Bézier."
constexpr Cp1252Literal kDivide("Partager");
constexpr Cp1252Literal kDivideOn1("Si Partager est coché, avec l'outil Bézier, il faudra cliquer");
constexpr Cp1252Literal kDivideOn2("sur une courbe ou sur le sommet d'un angle.");
constexpr Cp1252Literal kDivideOff1(
    "Si Partager n'est pas coché, il faudra cliquer avec l'outil Bézier");
constexpr Cp1252Literal kDivideOff2("sur le premier ou le dernier point d'une courbe ouverte.");
constexpr Cp1252Literal kDivisions("Nombre de divisions :");
constexpr Cp1252Literal kDivisionSteps("De 2 en 2 avec Shift.");
constexpr Cp1252Literal kMarkLength("Longueur des points :");
constexpr Cp1252Literal kMarkLengthSteps("De 2 en 2 avec Shift, de 0.1 en 0.1 avec ALT.");
constexpr Cp1252Literal kLengthOnCurve("Longueur sur la courbe :");
constexpr Cp1252Literal kLengthOnCurveSteps("De 10 en 10 avec Shift, de 0.1 en 0.1 avec ALT.");

// "Outil Longueurs & Aires."
constexpr Cp1252Literal kReportTotalLength("Longueur totale de la sélection.");
constexpr Cp1252Literal kReportPartialLength("Longueur de la partie de la courbe.");
constexpr Cp1252Literal kReportArea("Aire totale de la sélection.");
constexpr Cp1252Literal kReportPathCount("Nombre de tracés de la sélection.");
constexpr Cp1252Literal kReportPointCount("Nombre de points de la sélection.");
constexpr Cp1252Literal kCheckOneReport(
    "Cochez au moins une case, sinon l'outil Longueurs & Aires n'affichera rien.");

}  // namespace quill::texts

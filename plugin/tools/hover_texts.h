// What each tool writes beside the pointer, as the user reads it.
#pragma once

#include "plugin/text/cp1252_literal.h"

namespace quill::texts {

constexpr Cp1252Literal kScaleLine("Échelle=");
constexpr Cp1252Literal kScaleBar(" /");
constexpr Cp1252Literal kAreaLine("Aire=");

// Segment tool
constexpr Cp1252Literal kAnchor1("Point d'ancrage 1");
constexpr Cp1252Literal kAnchor2("Point d'ancrage 2");
constexpr Cp1252Literal kSegmentLength("L segment=");
constexpr Cp1252Literal kArcOfCircle("Arc de cercle");
constexpr Cp1252Literal kCurveLength("L courbe=");
constexpr Cp1252Literal kObjectCentre1("Point 1 (centre de l'objet)");
constexpr Cp1252Literal kObjectCentre2("Point 2 (centre de l'objet)");
// While a set of dimensions is under way (or ordinates about to begin).
constexpr Cp1252Literal kChainNext("Cote suivante de la chaîne");
constexpr Cp1252Literal kBaselineNext("Cote suivante depuis la ligne de base");
constexpr Cp1252Literal kOrdinateZero("Point zéro des ordonnées");
constexpr Cp1252Literal kOrdinateNext("Ordonnée suivante");
constexpr Cp1252Literal kCoordinateX("X=");
constexpr Cp1252Literal kCoordinateY("Y=");
constexpr Cp1252Literal kSetEnds("Fin de la série (clic ici ou Échap)");

// Angle tool
constexpr Cp1252Literal kVertexAnchor("Point d'ancrage (sommet)");
constexpr Cp1252Literal kAngleIs("Angle=");
constexpr Cp1252Literal kFirstSide("Premier côté de l'angle");
constexpr Cp1252Literal kSecondSide("Second côté de l'angle");
constexpr Cp1252Literal kArcForAngle("Arc de cercle (angle)");
constexpr Cp1252Literal kCurve("Courbe.");

// Circle tool
constexpr Cp1252Literal kArcStart("Point initial de l'arc");
constexpr Cp1252Literal kArcEnd("Point final de l'arc");
constexpr Cp1252Literal kRadiusIs("Rayon=");
constexpr Cp1252Literal kDiameterIs("Diamètre=");
constexpr Cp1252Literal kSegment("Segment");

// Bézier tool
constexpr Cp1252Literal kLengthOnCurve("Longueur sur courbe = ");
constexpr Cp1252Literal kMillimetres(" mm");

// Lengths & Areas tool
constexpr Cp1252Literal kFirstPoint("Premier point.");
constexpr Cp1252Literal kSecondPoint("Second point.");
constexpr Cp1252Literal kWholeCurveLength("L totale courbe = ");
constexpr Cp1252Literal kPartCurveLength("L partie courbe = ");
constexpr Cp1252Literal kDeselectsAll("Désélectionne tout.");
constexpr Cp1252Literal kClickToWrite("Clic pour créer le texte.");
constexpr Cp1252Literal kRubberBandHint1("Tracez un rectangle de sélection");
constexpr Cp1252Literal kRubberBandHint2("ou cliquez sur un tracé");
constexpr Cp1252Literal kRubberBandHint3("ou cliquez sur un point.");

}  // namespace quill::texts

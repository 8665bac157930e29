// What the dimension builders tell the user, the names of dimension groups and the
// prefixes of the Lengths & Areas results.
#pragma once

#include "plugin/text/cp1252_literal.h"

namespace quill::texts {

// Alerts.
constexpr Cp1252Literal kLayerLocked("Cotation impossible. Calque verrouillé.");
constexpr Cp1252Literal kSecondPointNeeded(
    "Vous devez cliquer sur un second point\r\r(point d'ancrage ou point d'intersection)"
    "\r\rou tenir la touche Contrôle enfoncée.");
constexpr Cp1252Literal kClickAnObject(
    "Il faut cliquer sur un objet\r\rpour que le clic ait un effet.");
constexpr Cp1252Literal kPathMustBeOpen("Le tracé doit être ouvert.");
constexpr Cp1252Literal kDistinctPoints(
    "Il faut cliquer sur deux points distincts. Cotation impossible !");
constexpr Cp1252Literal kOffsetTooLarge(
    "Décalage trop grand, recommencez avec un décalage plus petit.");
constexpr Cp1252Literal kNotAVertex("Ce point n'est pas le sommet d'un angle.");
constexpr Cp1252Literal kParallelSides("Les deux côtés sont parallèles !");
constexpr Cp1252Literal kSecondSideNeeded(
    "Vous devez cliquer sur le second côté de l'angle\r\rou tenir la touche Contrôle enfoncée.");
constexpr Cp1252Literal kPointBeyondCurve(
    "Impossible de placer le point demandé.\r\rLe paramètre longueur sur courbe est supérieur "
    "à la longueur totale de la courbe !");

// Group names, by kind of dimension.
constexpr Cp1252Literal kGroupSegmentBoth("Segment horiz & verti");
constexpr Cp1252Literal kGroupSegmentCurve("Segment courbe");
constexpr Cp1252Literal kGroupSegmentArc("Segment arc");
constexpr Cp1252Literal kGroupSegmentOblique("Segment oblique");
constexpr Cp1252Literal kGroupSegmentHorizontal("Segment horiz");
constexpr Cp1252Literal kGroupSegmentVertical("Segment verti");
constexpr Cp1252Literal kGroupSegmentError("Segment erreur");
constexpr Cp1252Literal kGroupAngle("Angle");
constexpr Cp1252Literal kGroupCircleDiameter("Cercle Diamètre");
constexpr Cp1252Literal kGroupCircleRadius("Cercle Rayon");
constexpr Cp1252Literal kGroupBezier("Bézier partage");
constexpr Cp1252Literal kGroupLengths("Longueurs & Aires");

// The prefixes of the Lengths & Areas results. The partial length's has no space before
// its "=".
constexpr Cp1252Literal kResultTotalLength("L (sélection) = ");
constexpr Cp1252Literal kResultPartialLength("L (partie courbe)= ");
constexpr Cp1252Literal kResultArea("A (sélection) = ");
constexpr Cp1252Literal kResultPathCount("Nombre de tracés = ");
constexpr Cp1252Literal kResultPointCount("Nombre de points = ");

}  // namespace quill::texts

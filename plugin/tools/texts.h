// What the tools tell the user: a click on nothing, for the tools that need something
// to click.
#pragma once

#include "plugin/text/cp1252_literal.h"

namespace quill::texts {

constexpr Cp1252Literal kAngleNeedsSomething(
    "Il faut cliquer sur le sommet d'un angle\r\rou sur un côté d'un angle\r\r"
    "pour que le clic ait un effet.");
constexpr Cp1252Literal kCircleNeedsSomething(
    "Il faut cliquer sur un cercle, un arc de cercle\r\rou encore un point qui est "
    "l'extrémité d'un arc de cercle\r\rpour que le clic ait un effet.");
// The Circle tool's clicks on the ends of an arc.
constexpr Cp1252Literal kNotAnArcEnd("Ce point n'est pas l'extrémité d'un arc de cercle.");
constexpr Cp1252Literal kEndsOnOnePath("Les deux points doivent appartenir à un même tracé.");
constexpr Cp1252Literal kSecondArcEndNeeded(
    "Vous devez cliquer sur un second point\r\r(seconde extrémité de l'arc de cercle)\r\r"
    "ou tenir la touche Contrôle enfoncée.");
constexpr Cp1252Literal kBezierNeedsSomething(
    "En mode Partager, il faut cliquer sur un tracé\r\rou sur le sommet d'un angle.\r\r"
    "Sinon, il faut cliquer sur l'extrémité d'une courbe de Bézier\r\rou sur un cercle\r\r"
    "pour que le clic ait un effet.");
}  // namespace quill::texts

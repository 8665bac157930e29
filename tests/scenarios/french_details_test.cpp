// What the host says about a drawing, a file or the plug-in reaches the page in French,
// its place and values kept; what the page cannot know stays as the host wrote it.
#include <gtest/gtest.h>

#include <string>

#include "app/serve/french_details.h"

namespace {

TEST(FrenchDetails, EveryShapeOfTheHostsMessagesKeepsItsPlaceAndValues) {
    const struct {
        const char* host;
        const char* page;
    } rows[] = {
        // The reader's warnings, after the file's line and the element.
        {"plate.svg:4: <text id=\"t\">: ignored: positions of single characters (the text "
         "keeps its lines)",
         "plate.svg:4: <text id=\"t\">: ignoré : les positions des caractères isolés (le texte "
         "garde ses lignes)"},
        {"a.svg:2: <text>: ignored: rotations of single characters",
         "a.svg:2: <text>: ignoré : les rotations des caractères isolés"},
        {"a.svg:2: <text>: ignored: the text's stroke",
         "a.svg:2: <text>: ignoré : le contour du texte"},
        {"a.svg:2: <text>: ignored: characters styled apart from the text's first ones",
         "a.svg:2: <text>: ignoré : les caractères stylés autrement que les premiers du texte"},
        {"a.svg:2: <text>: skipped: a <a> inside a text",
         "a.svg:2: <text>: omis : un <a> dans un texte"},
        {"a.svg:2: <text>: skipped: a comment inside a text",
         "a.svg:2: <text>: omis : un commentaire dans un texte"},
        {"a.svg:9: <g>: skipped: nested more than 500 deep",
         "a.svg:9: <g>: omis : imbriqué sur plus de 500 niveaux"},
        {"a.svg:9: <g>: skipped: groups nested more than 100 deep",
         "a.svg:9: <g>: omis : groupes imbriqués sur plus de 100 niveaux"},
        {"a.svg:9: <path>: skipped: a path of more than 60000 anchors",
         "a.svg:9: <path>: omis : un tracé de plus de 60000 points d'ancrage"},
        {"a.svg:9: <use>: skipped: reference \"#gone\" not found",
         "a.svg:9: <use>: omis : la référence « #gone » est introuvable"},
        {"a.svg:9: <use>: skipped: the element refers to itself",
         "a.svg:9: <use>: omis : l'élément se désigne lui-même"},
        {"a.svg:9: <use>: skipped: references nested too deep or in a circle",
         "a.svg:9: <use>: omis : des références imbriquées trop profondément ou en cercle"},
        {"a.svg:3: <style>: skipped: style sheets of type \"text/xsl\" are not applied",
         "a.svg:3: <style>: omis : les feuilles de style de type « text/xsl » ne sont pas "
         "appliquées"},
        {"a.svg:3: <style>: skipped: a style sheet for media \"print\"",
         "a.svg:3: <style>: omis : une feuille de style pour le média « print »"},
        {"a.svg:5: <style>: skipped: @import rules are not applied",
         "a.svg:5: <style>: omis : les règles @import ne sont pas appliquées"},
        {"a.svg:5: <style>: skipped: the rule \"rect\" has no block",
         "a.svg:5: <style>: omis : la règle « rect » n'a pas de bloc"},
        {"a.svg:5: <style>: skipped: a rule whose selector \"a::b\" is not understood",
         "a.svg:5: <style>: omis : une règle dont le sélecteur « a::b » n'est pas compris"},
        {"a.svg:5: <style>: skipped: malformed declaration \"fill\"",
         "a.svg:5: <style>: omis : la déclaration mal formée « fill »"},
        {"a.svg:7: <rect>: ignored fill=\"url(#x)\"", "a.svg:7: <rect>: ignoré : fill=\"url(#x)\""},
        {"a.svg:7: <path>: ignored quill:end-handles=\"3\"",
         "a.svg:7: <path>: ignoré : quill:end-handles=\"3\""},
        {"a.svg:7: <path>: ignored 2 member records for 3 contours",
         "a.svg:7: <path>: ignoré : 2 enregistrements de membres pour 3 contours"},
        {"a.svg:8: <polyline>: odd number of coordinates in points; the last is ignored",
         "a.svg:8: <polyline>: nombre impair de coordonnées dans points ; la dernière est "
         "ignorée"},
        // Why a drawing cannot be opened, the parser's and the system's reasons included.
        {"up.svg:1:5: malformed XML: Start-end tags mismatch",
         "up.svg:1:5: XML mal formé : les balises ouvrante et fermante ne correspondent pas"},
        {"up.svg:1:1: malformed XML: No document element found",
         "up.svg:1:1: XML mal formé : aucun élément racine"},
        {"up.svg:1:1: malformed XML: Error parsing element attribute",
         "up.svg:1:1: XML mal formé : attribut erroné"},
        {"/tmp/a b.svg: cannot open: No such file or directory",
         "/tmp/a b.svg: ne peut pas être ouvert : fichier ou dossier introuvable"},
        {"a.svg: cannot read", "a.svg: ne peut pas être lu"},
        {"a.svg: out of memory", "a.svg: mémoire insuffisante"},
        {"a.svg:1: <html>: the root element is not <svg>",
         "a.svg:1: <html>: l'élément racine n'est pas <svg>"},
        {"a.svg:1: <svg>: unknown unit 'qq' in width=\"3qq\"",
         "a.svg:1: <svg>: unité inconnue « qq » dans width=\"3qq\""},
        {"a.svg:1: <svg>: width must be positive", "a.svg:1: <svg>: width doit être positif"},
        {"a.svg:6: <rect>: unknown unit 'zz' in \"4zz\"",
         "a.svg:6: <rect>: unité inconnue « zz » dans « 4zz »"},
        {"a.svg:6: <g>: bad transform \"skew(\"", "a.svg:6: <g>: transformation erronée « skew( »"},
        {"a.svg:6: <path>: bad path data: number expected at character 3 ('x 1')",
         "a.svg:6: <path>: données de tracé erronées : nombre attendu au caractère 3 (« x 1 »)"},
        {"a.svg:6: <path>: bad path data: unknown command 'Q' at character 9 (end of data)",
         "a.svg:6: <path>: données de tracé erronées : commande inconnue « Q » au caractère 9 "
         "(fin des données)"},
        {"a.svg:6: <polygon>: bad points at character 4 ('x')",
         "a.svg:6: <polygon>: points erronés au caractère 4 (« x »)"},
        {"a.svg:6: <rect>: more than 200000 objects in the drawing",
         "a.svg:6: <rect>: plus de 200000 objets dans le dessin"},
        // Why a drawing, a picture or the plug-in cannot be written or started.
        {"d.svg: cannot create a file in /w: Permission denied",
         "d.svg: aucun fichier ne peut être créé dans /w : permission refusée"},
        {"d.svg: cannot write: No space left on device",
         "d.svg: ne peut pas être écrit : plus de place sur le disque"},
        {"d.svg: a picture of that size cannot be made (sides from 1 to 30000 pixels)",
         "d.svg: l'image est trop grande (côtés de 1 à 30000 pixels)"},
        {"/p: cannot be locked: Permission denied",
         "/p: ne peut pas être verrouillé : permission refusée"},
        {"p.json: damaged preference file (bad); starting with an empty store, the file is "
         "moved to p.json.damaged at the next change",
         "p.json: fichier de réglages endommagé (bad) ; les réglages repartent de zéro, le "
         "fichier sera déplacé vers p.json.damaged à la prochaine modification"},
        {"Q.so: no entry point \"Main\"", "Q.so: pas de point d'entrée « Main »"},
        {"no plug-in tool titled \"Cote\" (is the plug-in started?)",
         "aucun outil du module ne s'appelle « Cote » (le module est-il démarré ?)"},
        {"Q.so: the property list's kind is 'ABCD', not 'SPEA'",
         "Q.so: la liste de propriétés est de la sorte 'ABCD', pas 'SPEA'"},
        // Several lines, each on its own; an unknown shape or reason as it was.
        {"a.svg:2: <text>: ignored: the text's stroke\na.svg:3: <rect>: something new",
         "a.svg:2: <text>: ignoré : le contour du texte\na.svg:3: <rect>: something new"},
        {"d.svg: cannot write: Some new reason", "d.svg: ne peut pas être écrit : Some new reason"},
        {"cannot read more", "cannot read more"},
        {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(quill::serve::FrenchDetail(row.host), row.page);
}

}  // namespace

// What the host says about a drawing, a file or the plug-in reaches the page in French,
// its place and values kept; what the page cannot know stays as the host wrote it.
#include <gtest/gtest.h>

#include <string>

#include "app/serve/french_details.h"

namespace {

TEST(FrenchDetails, AHostMessageKeepsItsPlaceValuesAndNestedReason) {
    const struct {
        const char* host;
        const char* page;
    } rows[] = {
        // The reader's warnings, after the file's line and the element.
        {"plate.svg:4: <text id=\"t\">: ignored: positions of single characters (the text "
         "keeps its lines)",
         "plate.svg:4: <text id=\"t\">: ignoré : les positions des caractères isolés (le texte "
         "garde ses lignes)"},
        {"a.svg:9: <use>: skipped: reference \"#gone\" not found",
         "a.svg:9: <use>: omis : la référence « #gone » est introuvable"},
        {"a.svg:7: <rect>: ignored fill=\"url(#x)\"", "a.svg:7: <rect>: ignoré : fill=\"url(#x)\""},
        {"a.svg:7: <path>: ignored 2 member records for 3 contours",
         "a.svg:7: <path>: ignoré : 2 enregistrements de membres pour 3 contours"},
        // Why a drawing cannot be opened, the parser's and the system's reasons included.
        {"up.svg:1:5: malformed XML: Start-end tags mismatch",
         "up.svg:1:5: XML mal formé : les balises ouvrante et fermante ne correspondent pas"},
        {"/tmp/a b.svg: cannot open: No such file or directory",
         "/tmp/a b.svg: ne peut pas être ouvert : fichier ou dossier introuvable"},
        {"a.svg:1: <svg>: unknown unit 'qq' in width=\"3qq\"",
         "a.svg:1: <svg>: unité inconnue « qq » dans width=\"3qq\""},
        {"a.svg:6: <path>: bad path data: number expected at character 3 ('x 1')",
         "a.svg:6: <path>: données de tracé erronées : nombre attendu au caractère 3 (« x 1 »)"},
        // Why a drawing, a picture or the plug-in cannot be written or started.
        {"d.svg: cannot create a file in /w: Permission denied",
         "d.svg: aucun fichier ne peut être créé dans /w : permission refusée"},
        {"d.svg: a picture of that size cannot be made (sides from 1 to 30000 pixels)",
         "d.svg: l'image est trop grande (côtés de 1 à 30000 pixels)"},
        {"Q.so: no entry point \"Main\"", "Q.so: pas de point d'entrée « Main »"},
        {"no plug-in tool titled \"Cote\" (is the plug-in started?)",
         "aucun outil du module ne s'appelle « Cote » (le module est-il démarré ?)"},
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

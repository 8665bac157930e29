// The Parameters panel operated by clicks, as a user does: the chooser opened at a click,
// a page picked, values changed with and without Shift and Alt up to their floors and
// limits, the panel closed by a click beside its items; what the mouse-up stores and what
// the last annotation pass shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/scenario.h"

namespace quill::testing {
namespace {

// The panel opens at the document point (100, 700); clicks are given in screen pixels to
// the right of it and below it.
std::string At(double dx, double dy, double zoom = 1) {
    return std::to_string(100 + dx / zoom) + " " + std::to_string(700 - dy / zoom);
}
std::string Click(double dx, double dy, const std::string& keys = "", double zoom = 1) {
    return "click " + At(dx, dy, zoom) + (keys.empty() ? "" : " " + keys) + "\n";
}
// Opens the chooser, then the page of chooser row `row`.
std::string OpenPage(int row) {
    return "click 100 700\n" + Click(100, row * 18 - 9);
}
const std::string kStart = "doc new\nstartup\ntool parameters\n";
// A start with `prefs` stored over the defaults.
std::string StartWith(const std::string& prefs) {
    return prefs.empty() ? kStart : kStart + prefs + "restart\n";
}

const nlohmann::json& Stored(const Scenario& s) {
    return s.dump["prefs"]["ORLQUILL"];
}

TEST(ParametersPanel, TheChooserOpensAtAClickAndPicksItsRowsAtTheZoomOfTheClick) {
    auto closed = RunToEnd(kStart + "move 100 700\n");
    EXPECT_EQ(FeedbackTexts(closed.dump),
              std::vector<std::string>{"Cliquez pour afficher les paramètres."});

    auto chooser = RunToEnd(kStart + "click 100 700\n");
    for (const char* text :
         {"Choix du paramètre à modifier :", "Unité.", "points", "Double mesure.", "Sans",
          "34 562 803,1", "1 /1", "150 %", "1 pt, continu, bout rond", "12 pt", "Non, Non",
          "Dimensions", "Outil Longueurs & Aires."})
        EXPECT_TRUE(Shows(chooser.dump, text)) << text;
    EXPECT_TRUE(Stored(chooser).contains("NomCalque"));

    // dy = 18 pixels is row 1; at zoom 2 the same screen offsets are half as far on the
    // document, and the panel keeps its size on the screen.
    for (double zoom : {1.0, 2.0}) {
        const std::string zoomed = "zoom " + std::to_string(zoom) + "\n";
        auto unit = RunToEnd(kStart + zoomed + "click 100 700\n" + Click(100, 18, "", zoom));
        EXPECT_TRUE(Shows(unit.dump, "Choix de l'unité :")) << zoom;
        auto second = RunToEnd(kStart + zoomed + "click 100 700\n" + Click(100, 18.5, "", zoom));
        EXPECT_TRUE(Shows(second.dump, "Il n'y aura pas de double mesure.")) << zoom;
    }

    // Left of the list the panel is empty, and the next click closes it.
    auto empty = RunToEnd(kStart + "click 100 700\n" + Click(10, 9));
    EXPECT_TRUE(FeedbackTexts(empty.dump).empty());
    auto closedAgain = RunToEnd(kStart + "click 100 700\n" + Click(10, 9) + Click(10, 9));
    EXPECT_TRUE(Shows(closedAgain.dump, "Cliquez pour afficher les paramètres."));

    // Over a dimension no panel is drawn: the click would go to the tool that made it.
    auto dimension = RunToEnd(
        "doc new\npath : 100,100 200,100\nstartup\ntool segment\nclick 100 100\nclick 200 100\n"
        "tool parameters\nmove 115 112\n");
    EXPECT_TRUE(FeedbackTexts(dimension.dump).empty());
}

TEST(ParametersPanel, EveryPageShowsItsItemsAndHelp) {
    const std::vector<std::pair<int, std::vector<std::string>>> pages = {
        {1, {"Choix de l'unité :", "Sans unité", "Affiche l'unité :", "Oui", "Non"}},
        {2,
         {"Double mesure.", "aucune", "Précision : 1", "virgule",
          "Il n'y aura pas de double mesure."}},
        {3,
         {"Choix de la précision :", "6 (x,xxxxxx)", "' (apostrophe)", "Exemple : 34 562 803,1"}},
        {4,
         {"Echelle 1/125", "Echelle 125", "Dénominateur",
          "De 10 en 10 avec Shift, de 5 en 5 avec ALT."}},
        {5,
         {"Choix de la forme des pointes :", "300 %", "150 %",
          "De 50 en 50 avec Shift, de 1 en 1 avec ALT."}},
        {6,
         {"Épaisseur des lignes :", "0,7 pt", "Tiret : 6 pt", "Bout carré",
          "De 2 en 2 avec Shift, de 0.1 en 0.1 avec ALT."}},
        {7, {"Choix de la police :", "F01", "F16", "1 / 2"}},
        {8,
         {"Choix du corps :", "300 pt", "Millimètres", "12 pt",
          "De 1 en 1 avec Shift, de 2 en 2 avec ALT."}},
        {9,
         {"Couleurs :", "Couleur des traits.",
          "Surimpression du contour :", "Couleurs affichées près du curseur :"}},
        {10,
         {"Tolérance 1 : -0,25", "Tolérance 2 : +0,12",
          "Tolérance 2 : Il n'y aura pas de texte de tolérance.",
          "De 0,001 en 0,001 ou de 0,01 en 0,01 avec SHIFT ou de 0,0001 en 0,0001 avec ALT.",
          "+, - ou ± avant la valeur de la tolérance."}},
        {11, {"Nom du calque.", "Dimensions", "a", "7"}},
        {12,
         {"Type de cote :", "Horiz & Verti", "Décalage vertical du texte : 0 pt",
          "De 5 en 5 avec Shift, de 0.1 en 0.1 avec ALT."}},
        {13, {"Type d'arc :", "Multiple", "Rayon de l'arc : 10 mm"}},
        {14,
         {"Rayon ou diamètre :", "Affichage de R ou Ø :", "Avant", "Sans",
          "Longueur de l'attache : 12 mm"}},
        {15,
         {"Nombre de divisions : 3", "De 2 en 2 avec Shift.",
          "Si Partager est coché, avec l'outil Bézier, il faudra cliquer"}},
        {16, {"Outil Longueurs & Aires.", "Nombre de points de la sélection."}},
    };
    std::string fonts = "font";
    for (int i = 1; i <= 18; ++i) fonts += (i < 10 ? " F0" : " F") + std::to_string(i);
    for (const auto& [row, texts] : pages) {
        auto s = RunToEnd(fonts + "\n" + kStart + OpenPage(row));
        for (const std::string& text : texts)
            EXPECT_TRUE(Shows(s.dump, text)) << row << ": " << text;
    }
    // The font page opens on the page of fonts stored last.
    auto stored = RunToEnd(fonts + "\n" + StartWith("pref NumeroPagePolices 2\n") + OpenPage(7));
    EXPECT_TRUE(Shows(stored.dump, "2 / 2"));
    EXPECT_TRUE(Shows(stored.dump, "F17"));
}

struct StepCase {
    std::string prefs;   // stored before the start
    int row;             // the page's row in the chooser
    std::string clicks;  // on the page
    std::string key;
    double stored;
};

// One row for each kind of step rule: a plain step, Shift and Alt, a floor at its least or
// set elsewhere, a limit, a step to the next multiple, no floor, millimetres.
TEST(ParametersPanel, NumbersStepWithTheirKeysAndStopAtTheirFloorsAndLimits) {
    const StepCase cases[] = {
        {"", 14, Click(60, 234), "Ligne", 11},
        {"", 14, Click(60, 234, "shift") + Click(110, 234, "alt"), "Ligne", 7.1},
        {"pref Ligne 0.5\n", 14, Click(60, 234), "Ligne", 1},
        {"pref RayonAngle 12.3\n", 13, Click(60, 150, "shift"), "RayonAngle", 10},
        {"", 4, Click(220, 452) + Click(220, 434) + Click(180, 452, "alt"), "EchelleDen", 5001},
        {"", 4, Click(130, 452), "EchelleDen", 1},
        {"pref Zoom 40.0\n", 5, Click(60, 344, "shift"), "Zoom", 0},
        {"pref ToleranceUn 0.0005\n", 10, Click(50, 48), "ToleranceUn", 0},
        {"", 10, Click(220, 48) + Click(100, 48, "shift"), "ToleranceUn", 0.35},
        {"pref PrecisionSeconde 6\n", 2, Click(190, 245), "PrecisionSeconde", 6},
        {"", 8, Click(60, 279, "alt"), "Corps", 10},
        {"", 8, Click(60, 198) + Click(60, 279), "Corps", 12 - 0.28346457},
        {"pref Corps 0.5\n", 8, Click(150, 279) + Click(60, 279), "Corps", 0.1},
        {"", 15, Click(110, 27, "shift"), "NbDiv", 5},
        {"pref LongueurDuPoint 0.5\n", 15, Click(60, 68), "LongueurDuPoint", 0.1},
        {"", 12, Click(60, 160) + Click(60, 160, "shift"), "DecalageSegY", -6},
    };
    for (const StepCase& c : cases) {
        auto s = RunToEnd(StartWith(c.prefs) + OpenPage(c.row) + c.clicks);
        EXPECT_EQ(s.dump["tool"], "parameters");
        EXPECT_NEAR(Stored(s)[c.key].get<double>(), c.stored, 1e-5) << c.key << " " << c.clicks;
    }
}

struct ChoiceCase {
    std::string prefs;
    int row;
    std::string clicks;
    std::vector<std::pair<std::string, nlohmann::json>> stored;
};

TEST(ParametersPanel, ChoicesAndBoxesSetTheirSettings) {
    std::string longName(252, 'x');
    const ChoiceCase cases[] = {
        {"", 1, Click(100, 27) + Click(60, 245), {{"UnitePrefs", 1}, {"AfficheUnite", false}}},
        {"pref Virgule false\npref Separateur 0\n",
         3,
         Click(60, 158) + Click(60, 45),
         {{"Virgule", true}, {"Separateur", 1}, {"Precision", 2}}},
        {"",
         2,
         Click(40, 9) + Click(60, 52) + Click(60, 216) + Click(180, 265),
         {{"DoubleMesure", true},
          {"SecondeUnite", 1},
          {"AfficheSecondeUnite", false},
          {"VirguleSeconde", false}}},
        {"",
         12,
         Click(60, 63) + Click(150, 63) + Click(60, 100) + Click(60, 225),
         {{"TypeDeCote", 3},
          {"GroupeOuiNon", true},
          {"TexteHoriz", true},
          {"AvecAttaches", false}}},
        // "Mode :" "ligne de base", and its step one "+" up.
        {"", 12, Click(190, 306) + Click(110, 351), {{"ModeCotation", 2}, {"PasLigneDeBase", 2.5}}},
        {"", 13, Click(60, 27), {{"StyleArc", 1}}},
        {"",
         14,
         Click(60, 27) + Click(60, 90) + Click(60, 190),
         {{"Diametre", true}, {"RouD", false}, {"AvecRayTrace", false}}},
        {"", 15, Click(60, 144), {{"Partager", false}}},
        {"", 5, Click(60, 45) + Click(60, 178), {{"NumeroDeFleche", 2}, {"Zoom", 25.0}}},
        {"",
         6,
         Click(60, 45) + Click(60, 243) + Click(60, 360),
         {{"Epaisseur", 0.7}, {"TraitsPointilles", true}, {"BoutRond", false}}},
        {"",
         8,
         Click(60, 198) + Click(60, 27),
         {{"CorpsEnMillimetres", true}, {"Corps", 3 * 72 / 25.4}}},
        {"",
         9,
         Click(60, 70) + Click(60, 130),
         {{"OverprintFill", true}, {"OverprintStroke", true}, {"AffCoulAnno", true}}},
        {"", 9, Click(60, 175), {{"AffCoulAnno", false}}},
        {"",
         10,
         Click(60, 9) + Click(135, 48) + Click(178, 48),
         {{"AvecToleranceUn", true}, {"SymboleToleUn", 2}}},
        {"", 4, Click(60, 117), {{"EchelleNum", 1.0}, {"EchelleDen", 10.0}}},
        {"font A B C D E F G H I J K L M N O P Q R\n",
         7,
         Click(50, 27) + Click(110, 297),
         {{"Police", "B"}, {"NumeroPagePolices", 2}}},
        // The keyboard: a, z, backspace, capitals, A, space, 7.
        {"",
         11,
         Click(35, 27) + Click(60, 27) + Click(10, 27) + Click(10, 45) + Click(35, 27) +
             Click(180, 63) + Click(275, 63),
         {{"NomCalque", "DimensionsaA 7"}}},
        {"pref NomCalque \"" + longName + "\"\n",
         11,
         Click(35, 27) + Click(60, 27),
         {{"NomCalque", longName + "a"}}},
    };
    for (const ChoiceCase& c : cases) {
        auto s = RunToEnd(StartWith(c.prefs) + OpenPage(c.row) + c.clicks);
        for (const auto& [key, value] : c.stored) {
            if (value.is_number_float())
                EXPECT_NEAR(Stored(s)[key].get<double>(), value.get<double>(), 1e-5) << key;
            else
                EXPECT_EQ(Stored(s)[key], value) << key << " after " << c.clicks;
        }
    }

    // The Segment tool's row of the chooser names a set mode, the baseline step with it.
    auto sets =
        RunToEnd(StartWith("pref ModeCotation 2\npref PasLigneDeBase 2.5\n") + "click 100 700\n");
    EXPECT_TRUE(Shows(sets.dump, "ligne de base, pas 2,5 x corps"));

    // The last of the five lengths-and-areas boxes: the alert, and all five stay off.
    auto lengths =
        RunToEnd(StartWith("pref LALongTotale false\npref LALongPartie false\npref LAAire "
                           "false\npref LANbrTraces false\n") +
                 OpenPage(16) + Click(60, 81));
    EXPECT_EQ(lengths.dump["alerts"],
              nlohmann::json::array(
                  {"Cochez au moins une case, sinon l'outil Longueurs & Aires n'affichera rien."}));
    EXPECT_EQ(Stored(lengths)["LANbrPoints"], false);
}

TEST(ParametersPanel, APageClosesAtAClickBesideItsItemsAndSavesAtEveryMouseUp) {
    // Still open after a change, Shift and Alt held on the page switch no tool; closed by a
    // click beside the items, the next click opens the chooser again.
    auto s = RunToEnd(kStart + OpenPage(1) + Click(100, 27, "shift") + "move 0 0\n");
    EXPECT_EQ(s.dump["tool"], "parameters");
    EXPECT_TRUE(Shows(s.dump, "Choix de l'unité :"));
    EXPECT_EQ(Stored(s)["UnitePrefs"], 1);
    auto closed = RunToEnd(kStart + OpenPage(1) + Click(100, 27) + Click(300, 27));
    EXPECT_TRUE(Shows(closed.dump, "Cliquez pour afficher les paramètres."));
    auto reopened = RunToEnd(kStart + OpenPage(1) + Click(300, 27) + "click 50 50\n");
    EXPECT_TRUE(Shows(reopened.dump, "Choix du paramètre à modifier :"));

    // A failing write tells the user, and the panel carries on.
    auto failing = RunToEnd(kStart + "fail Preference.PutIntegerPreference \"CANT\"\n" +
                            OpenPage(1) + Click(100, 27));
    EXPECT_EQ(failing.dump["alerts"].back(),
              "Une erreur s'est produite pendant l'écriture des préférences.");
}

TEST(ParametersPanel, AGroupPlacedFromAPageSurvivesARestartAndIsRecalledFromTheChooser) {
    // Millimetres placed in group 4 from the unit page, then points chosen again.
    const std::string midway = ::testing::TempDir() + "quill_panel_group_midway.json";
    auto s = RunToEnd(kStart + OpenPage(1) + Click(100, 27) + Click(20, 63) + "move " + At(20, 45) +
                      "\ndump " + midway + "\n" + Click(100, 117) + Click(300, 300) +
                      "restart\nclick 100 700\n" + Click(25, 63) + "move " + At(25, 63) + "\n");
    const auto placed = nlohmann::json::parse(FileText(midway));
    EXPECT_EQ(placed["prefs"]["ORLQUILL"]["UnitePrefsQuatre"], 1.0);
    EXPECT_TRUE(Shows(placed, "L'unité sélectionnée sera placée dans le groupe de préférences 3."));
    // Recalled: the chooser shows group 4's values; only "NumSetPrefs" is written.
    for (const char* text : {"millimètres", "18 pt", "300 %", "10 /1", "34 562 803,1234",
                             "Rétablit tous les réglages du groupe de préférences 4."})
        EXPECT_TRUE(Shows(s.dump, text)) << text;
    EXPECT_EQ(Stored(s)["NumSetPrefs"], 3);
    EXPECT_EQ(Stored(s)["UnitePrefs"], 6);
    EXPECT_EQ(Stored(s)["Precision"], 1);
    EXPECT_EQ(Stored(s)["UnitePrefsQuatre"], 1.0);
}

TEST(ParametersPanel, ColoursComeFromTheHostsPicker) {
    // "Couleurs." is chooser row 9; its rows 1 and 2 open the picker on the line and the
    // text colour. A cancelled picker changes nothing.
    auto s = RunToEnd(kStart + "picker cmyk 0.5 0.25 0 0.5\npicker cancel\n" + OpenPage(9) +
                      Click(100, 9) + Click(100, 27));
    EXPECT_EQ(Stored(s)["TypeCoulTraits"], 2);
    EXPECT_FLOAT_EQ(Stored(s)["Cyan"].get<float>(), 0.5f);
    EXPECT_FLOAT_EQ(Stored(s)["Magenta"].get<float>(), 0.25f);
    EXPECT_FLOAT_EQ(Stored(s)["NoirCMJN"].get<float>(), 0.5f);
    EXPECT_EQ(Stored(s)["TypeCoulTexte"], 1);
    EXPECT_TRUE(Shows(s.dump, "Couleur du texte."));
}

TEST(ParametersPanel, TheTolerancesHelpSaysWhichToleranceItSpeaksOf) {
    auto s = RunToEnd(StartWith("pref AvecToleranceUn true\npref CoefToleranceDeux true\n") +
                      OpenPage(10));
    for (const std::string text :
         {"Tolérance 1 : Il y aura un texte de tolérance.",
          "Tolérance 2 : Il n'y aura pas de texte de tolérance.",
          "Tolérance 1 : De 0,001 en 0,001 ou de 0,01 en 0,01 avec SHIFT ou de 0,0001 en 0,0001 "
          "avec ALT.",
          "Tolérance 2 : De 0,01 en 0,01 ou de 0,1 en 0,1 avec SHIFT ou de 0,001 en 0,001 avec "
          "ALT."})
        EXPECT_TRUE(Shows(s.dump, text)) << text;
}

}  // namespace
}  // namespace quill::testing

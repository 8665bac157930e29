#include "app/serve/french_details.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quill::serve {

namespace {

// One shape of message the host writes, and its French. In `english`, "{}" stands for a
// value carried over as it is (a name, a number, text of the file) and "{~}" for a
// message of its own, put in French in turn (a parser's or the system's reason). The
// French takes the values in the same order, each where its "{}" is.
struct Shape {
    const char* english;
    const char* french;
};

constexpr Shape kShapes[] = {
    // What the drawing's reader leaves out, and says so.
    {"ignored: positions of single characters (the text keeps its lines)",
     "ignoré : les positions des caractères isolés (le texte garde ses lignes)"},
    {"ignored: rotations of single characters", "ignoré : les rotations des caractères isolés"},
    {"ignored: the text's stroke", "ignoré : le contour du texte"},
    {"ignored: characters styled apart from the text's first ones",
     "ignoré : les caractères stylés autrement que les premiers du texte"},
    {"ignored {} member records for {} contours",
     "ignoré : {} enregistrements de membres pour {} contours"},
    {"ignored {}=\"{}\"", "ignoré : {}=\"{}\""},
    {"skipped: a <{}> inside a text", "omis : un <{}> dans un texte"},
    {"skipped: a comment inside a text", "omis : un commentaire dans un texte"},
    {"skipped: nested more than {} deep", "omis : imbriqué sur plus de {} niveaux"},
    {"skipped: groups nested more than {} deep", "omis : groupes imbriqués sur plus de {} niveaux"},
    {"skipped: a path of more than {} anchors", "omis : un tracé de plus de {} points d'ancrage"},
    {"skipped: reference \"{}\" not found", "omis : la référence « {} » est introuvable"},
    {"skipped: the element refers to itself", "omis : l'élément se désigne lui-même"},
    {"skipped: references nested too deep or in a circle",
     "omis : des références imbriquées trop profondément ou en cercle"},
    {"skipped: style sheets of type \"{}\" are not applied",
     "omis : les feuilles de style de type « {} » ne sont pas appliquées"},
    {"skipped: a style sheet for media \"{}\"", "omis : une feuille de style pour le média « {} »"},
    {"skipped: the rule \"{}\" has no block", "omis : la règle « {} » n'a pas de bloc"},
    {"skipped: a rule whose selector \"{}\" is not understood",
     "omis : une règle dont le sélecteur « {} » n'est pas compris"},
    {"skipped: malformed declaration \"{}\"", "omis : la déclaration mal formée « {} »"},
    {"skipped: {} rules are not applied", "omis : les règles {} ne sont pas appliquées"},
    {"odd number of coordinates in points; the last is ignored",
     "nombre impair de coordonnées dans points ; la dernière est ignorée"},

    // Why a drawing cannot be opened.
    {"malformed XML: {~}", "XML mal formé : {}"},
    {"cannot open: {~}", "ne peut pas être ouvert : {}"},
    {"cannot read", "ne peut pas être lu"},
    {"out of memory", "mémoire insuffisante"},
    {"the root element is not <svg>", "l'élément racine n'est pas <svg>"},
    {"the element has no place in the document", "l'élément n'a pas de place dans le document"},
    {"the text has no place in the document", "le texte n'a pas de place dans le document"},
    {"more than {} objects in the drawing", "plus de {} objets dans le dessin"},
    {"more than {} anchors in the drawing", "plus de {} points d'ancrage dans le dessin"},
    {"bad transform \"{}\"", "transformation erronée « {} »"},
    {"transform out of range", "transformation hors des limites"},
    {"stroke length out of range", "longueur de contour hors des limites"},
    {"coordinate out of range", "coordonnée hors des limites"},
    {"viewport out of range", "fenêtre d'affichage hors des limites"},
    {"text position out of range", "position de texte hors des limites"},
    {"number out of range in points", "nombre hors des limites dans points"},
    {"bad points at character {} ('{}')", "points erronés au caractère {} (« {} »)"},
    {"{} must be positive", "{} doit être positif"},
    {"bad path data: {~} at character {} ('{}')",
     "données de tracé erronées : {} au caractère {} (« {} »)"},
    {"bad path data: {~} at character {} (end of data)",
     "données de tracé erronées : {} au caractère {} (fin des données)"},
    {"number expected", "nombre attendu"},
    {"number out of range", "nombre hors des limites"},
    {"arc flag expected", "indicateur d'arc attendu"},
    {"unknown command '{}'", "commande inconnue « {} »"},
    {"path data must start with a moveto", "les données de tracé doivent commencer par un M"},
    {"unexpected character", "caractère inattendu"},
    {"more than {} anchors", "plus de {} points d'ancrage"},
    {"not a length in {}=\"{}\"", "pas une longueur dans {}=\"{}\""},
    {"a percentage in {}=\"{}\"", "un pourcentage dans {}=\"{}\""},
    {"length out of range in {}=\"{}\"", "longueur hors des limites dans {}=\"{}\""},
    {"unknown unit '{}' in {}=\"{}\"", "unité inconnue « {} » dans {}=\"{}\""},
    {"unknown unit '{}' in \"{}\"", "unité inconnue « {} » dans « {} »"},

    // The XML parser's reasons.
    {"No error", "aucune erreur"},
    {"File was not found", "fichier introuvable"},
    {"Error reading from file/stream", "erreur de lecture du fichier"},
    {"Could not allocate memory", "mémoire insuffisante"},
    {"Internal error occurred", "erreur interne"},
    {"Could not determine tag type", "type de balise indéterminé"},
    {"Error parsing document declaration/processing instruction",
     "déclaration du document ou instruction de traitement erronée"},
    {"Error parsing comment", "commentaire erroné"},
    {"Error parsing CDATA section", "section CDATA erronée"},
    {"Error parsing document type declaration", "déclaration de type de document erronée"},
    {"Error parsing PCDATA section", "texte erroné"},
    {"Error parsing start element tag", "balise ouvrante erronée"},
    {"Error parsing element attribute", "attribut erroné"},
    {"Error parsing end element tag", "balise fermante erronée"},
    {"Start-end tags mismatch", "les balises ouvrante et fermante ne correspondent pas"},
    {"Unable to append nodes: root is not an element or document",
     "nœuds impossibles à ajouter : la racine n'est ni un élément ni un document"},
    {"No document element found", "aucun élément racine"},
    {"Unknown error", "erreur inconnue"},

    // The system's reasons a file cannot be read or written.
    {"No such file or directory", "fichier ou dossier introuvable"},
    {"Permission denied", "permission refusée"},
    {"Is a directory", "c'est un dossier"},
    {"Not a directory", "ce n'est pas un dossier"},
    {"No space left on device", "plus de place sur le disque"},
    {"Disk quota exceeded", "quota de disque dépassé"},
    {"Read-only file system", "système de fichiers en lecture seule"},
    {"File name too long", "nom de fichier trop long"},
    {"Too many open files", "trop de fichiers ouverts"},
    {"Input/output error", "erreur d'entrée-sortie"},
    {"Bad file descriptor", "descripteur de fichier invalide"},

    // Why a drawing or a picture cannot be written.
    {"cannot write: {~}", "ne peut pas être écrit : {}"},
    {"cannot replace: {~}", "ne peut pas être remplacé : {}"},
    {"cannot follow its links: {~}", "ses liens ne peuvent pas être suivis : {}"},
    {"cannot create a file in {}: {~}", "aucun fichier ne peut être créé dans {} : {}"},
    {"cannot set the permissions of {}: {~}",
     "les permissions de {} ne peuvent pas être réglées : {}"},
    {"the drawing has neither a size nor a viewBox", "le dessin n'a ni taille ni viewBox"},
    {"a picture of that size cannot be made (sides from 1 to {} pixels)",
     "l'image est trop grande (côtés de 1 à {} pixels)"},
    {"no memory for a picture of that size", "mémoire insuffisante pour une image de cette taille"},
    {"cannot be written ({})", "ne peut pas être écrit ({})"},
    {"pictures need {}, which cannot be loaded ({})",
     "les images demandent {}, qui ne peut pas être chargé ({})"},

    // Why the settings cannot be read or kept.
    {"cannot be locked: {~}", "ne peut pas être verrouillé : {}"},
    {"the damaged preference file cannot be moved to {}: {~}",
     "le fichier de réglages endommagé ne peut pas être déplacé vers {} : {}"},
    {"damaged preference file ({}); starting with an empty store, the file is moved to {} at "
     "the next change",
     "fichier de réglages endommagé ({}) ; les réglages repartent de zéro, le fichier sera "
     "déplacé vers {} à la prochaine modification"},
    {"the settings are not a JSON object ({})", "les réglages ne sont pas un objet JSON ({})"},
    {"the settings are not a JSON object", "les réglages ne sont pas un objet JSON"},
    {"settings of no preference kind were skipped:{}",
     "des réglages d'aucune sorte connue ont été omis :{}"},

    // Why the plug-in cannot start.
    {"the plug-in is already started", "le module est déjà démarré"},
    {"no plug-in tool titled \"{}\" (is the plug-in started?)",
     "aucun outil du module ne s'appelle « {} » (le module est-il démarré ?)"},
    {"cannot be read", "ne peut pas être lu"},
    {"cannot be loaded: {}", "ne peut pas être chargé : {}"},
    {"cannot be read as a library: {}", "ne peut pas être lu comme une bibliothèque : {}"},
    {"not a 64-bit ELF library", "pas une bibliothèque ELF 64 bits"},
    {"an ELF file but not a shared library", "un fichier ELF mais pas une bibliothèque partagée"},
    {"the ELF section table is damaged", "la table des sections ELF est endommagée"},
    {"the ELF section names are damaged", "les noms des sections ELF sont endommagés"},
    {"the ELF section table is cut short", "la table des sections ELF est tronquée"},
    {"section \"{}\" lies outside the file", "la section « {} » est hors du fichier"},
    {"no \"{}\" section (the library carries no resources)",
     "pas de section « {} » (la bibliothèque ne porte pas de ressources)"},
    {"the library carries no resources", "la bibliothèque ne porte pas de ressources"},
    {"the resources hold no property list ('PIPL')",
     "les ressources n'ont pas de liste de propriétés ('PIPL')"},
    {"no entry point \"{}\"", "pas de point d'entrée « {} »"},
    {"the resource archive does not start with \"QRSC\"",
     "l'archive de ressources ne commence pas par « QRSC »"},
    {"the resource archive counts more entries than it holds",
     "l'archive de ressources compte plus d'entrées qu'elle n'en contient"},
    {"the resource archive's entries are cut short",
     "les entrées de l'archive de ressources sont tronquées"},
    {"resource '{}' {} lies outside the archive", "la ressource '{}' {} est hors de l'archive"},
    {"the property list is empty or cut short", "la liste de propriétés est vide ou tronquée"},
    {"property {} of the property list is cut short",
     "la propriété {} de la liste de propriétés est tronquée"},
    {"property '{}' of the property list is malformed",
     "la propriété '{}' de la liste de propriétés est mal formée"},
    {"the property list's kind is '{}', not 'SPEA'",
     "la liste de propriétés est de la sorte '{}', pas 'SPEA'"},
    {"the property list has no kind", "la liste de propriétés n'a pas de sorte"},
    {"the property list names no Linux entry point ('lx64')",
     "la liste de propriétés ne nomme pas de point d'entrée Linux ('lx64')"},
};

std::optional<std::string> FrenchMessage(std::string_view message);

// A piece of a shape: the literal text before a value, and whether that value is a
// message of its own.
struct Piece {
    std::string_view literal;
    bool nested = false;
};

// The shape cut at its values: the literal before each value, then the one after the
// last (whose `nested` means nothing).
std::vector<Piece> Pieces(std::string_view english) {
    std::vector<Piece> pieces;
    for (std::size_t at = 0;;) {
        const std::size_t open = english.find('{', at);
        if (open == std::string_view::npos) {
            pieces.push_back({english.substr(at), false});
            return pieces;
        }
        const bool nested = english.compare(open, 3, "{~}") == 0;
        pieces.push_back({english.substr(at, open - at), nested});
        at = open + (nested ? 3 : 2);
    }
}

// The values of `message` when it has the shape, nested messages already in French;
// nullopt when it has not. A value runs to the first text that may follow it; the last
// one runs to the text the shape ends with.
std::optional<std::vector<std::string>> Values(std::string_view message, std::string_view english) {
    const std::vector<Piece> pieces = Pieces(english);
    if (message.substr(0, pieces[0].literal.size()) != pieces[0].literal) return std::nullopt;
    std::vector<std::string> values;
    std::size_t at = pieces[0].literal.size();
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        const std::string_view after = pieces[i].literal;
        const bool last = i + 1 == pieces.size();
        const std::size_t end = last ? message.size() - after.size() : message.find(after, at);
        if (message.size() < after.size() || end == std::string_view::npos || end < at ||
            message.substr(end, after.size()) != after)
            return std::nullopt;
        std::string value(message.substr(at, end - at));
        if (value.empty()) return std::nullopt;
        if (pieces[i - 1].nested) value = FrenchMessage(value).value_or(value);
        values.push_back(std::move(value));
        at = end + after.size();
    }
    if (at != message.size()) return std::nullopt;
    return values;
}

std::string Filled(std::string_view french, const std::vector<std::string>& values) {
    std::string text;
    std::size_t next = 0;
    for (std::size_t at = 0; at < french.size(); ++at) {
        if (french.compare(at, 2, "{}") == 0 && next < values.size()) {
            text += values[next++];
            ++at;
        } else {
            text += french[at];
        }
    }
    return text;
}

std::optional<std::string> FrenchMessage(std::string_view message) {
    for (const Shape& shape : kShapes)
        if (auto values = Values(message, shape.english)) return Filled(shape.french, *values);
    return std::nullopt;
}

// A line is a place (file, line, element), each part ending in ": ", then the message:
// the message is the first tail of the line that has a known shape.
std::string FrenchLine(std::string_view line) {
    for (std::size_t at = 0;;) {
        if (auto french = FrenchMessage(line.substr(at)))
            return std::string(line.substr(0, at)) + *french;
        const std::size_t colon = line.find(": ", at);
        if (colon == std::string_view::npos) return std::string(line);
        at = colon + 2;
    }
}

}  // namespace

std::string FrenchDetail(const std::string& detail) {
    std::string text;
    for (std::size_t at = 0;;) {
        const std::size_t end = detail.find('\n', at);
        text += FrenchLine(std::string_view(detail).substr(at, end - at));
        if (end == std::string::npos) return text;
        text += '\n';
        at = end + 1;
    }
}

}  // namespace quill::serve

#include "app/serve/address_pages.h"

#include <string>

namespace quill::serve {

namespace {

constexpr char kUnknownAddressPage[] = R"(<!doctype html>
<html lang="fr">
<head>
<meta charset="utf-8">
<title>Quill : adresse inconnue</title>
<style>body { font: 15px "DejaVu Sans", sans-serif; margin: 3em auto; max-width: 40em; }</style>
</head>
<body>
<h1>Cette adresse n'est pas (ou plus) celle de Quill</h1>
<p>Chaque lancement de <code>quill serve</code> donne une adresse nouvelle, qu'il affiche
dans le terminal : celle-ci appartenait sans doute à un serveur arrêté depuis, ou elle est
incomplète.</p>
<p>Ouvrez l'adresse que <code>quill serve</code> vient d'afficher. Si le serveur ne
tourne plus, relancez-le, par exemple : <code>quill serve dessin.svg</code>.</p>
</body>
</html>
)";

}  // namespace

bool IsApiRequest(const httplib::Request& req) {
    return req.path.find("/api/") != std::string::npos;
}

void AnswerUnknownAddress(int status, httplib::Response& res) {
    res.status = status;
    res.set_content(kUnknownAddressPage, "text/html; charset=utf-8");
}

bool AnswerFavicon(const httplib::Request& req, httplib::Response& res) {
    const std::string name = "/favicon.ico";
    const std::string& path = req.path;
    if (path.size() < name.size() || path.compare(path.size() - name.size(), name.size(), name))
        return false;
    res.status = 204;
    return true;
}

}  // namespace quill::serve

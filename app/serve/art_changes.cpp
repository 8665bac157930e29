#include "app/serve/art_changes.h"

#include <pugixml.hpp>

#include "host/svg/svg_art_writer.h"

namespace quill::serve {

namespace {

// FNV-1a over the bytes of each field.
struct Hasher {
    std::uint64_t h = 1469598103934665603ull;
    void Bytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 1099511628211ull;
    }
    template <typename T>
    void Value(const T& v) {
        Bytes(&v, sizeof v);
    }
    void Text(const std::string& s) {
        Value(s.size());
        Bytes(s.data(), s.size());
    }
    void Colour(const host::Color& c) {
        Value(c.kind);
        Bytes(c.v, sizeof c.v);
        Text(c.customName);
        Value(c.tint);
    }
};

void Add(Hasher& hash, const host::Art& art) {
    hash.Value(art.id());
    hash.Value(art.kind());
    hash.Text(art.name);
    hash.Value(art.tags.size());
    for (const auto& [name, value] : art.tags) {
        hash.Text(name);
        hash.Text(value);
    }
    hash.Value(art.attributes);
    if (art.kind() == host::ArtKind::Path) {
        hash.Value(art.segments.size());
        for (const AIPathSegment& s : art.segments) {
            hash.Value(s.p), hash.Value(s.in), hash.Value(s.out), hash.Value(s.corner);
        }
        hash.Value(art.closed);
        const host::PaintStyle& st = art.style;
        hash.Value(st.fillPaint), hash.Colour(st.fill), hash.Value(st.fillOverprint);
        hash.Value(st.strokePaint), hash.Colour(st.stroke), hash.Value(st.strokeOverprint);
        hash.Value(st.width), hash.Value(st.dashOffset), hash.Value(st.cap), hash.Value(st.join);
        hash.Value(st.miterLimit), hash.Value(st.evenOdd), hash.Value(st.dash.size());
        for (float d : st.dash) hash.Value(d);
    } else if (art.kind() == host::ArtKind::Text) {
        const host::TextStyle& t = art.text;
        hash.Text(art.contents), hash.Value(art.matrix), hash.Text(t.font), hash.Value(t.size);
        hash.Value(t.baselineShift), hash.Value(t.tracking), hash.Value(t.justification);
        hash.Value(t.firstLineIndent), hash.Value(t.startIndent), hash.Colour(t.fill);
        hash.Value(t.fillOverprint);
    }
    hash.Value(art.children().size());
    for (const auto& child : art.children()) Add(hash, *child);
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

}  // namespace

std::uint64_t Fingerprint(const host::Art& art) {
    Hasher hash;
    Add(hash, art);
    return hash.h;
}

std::string ArtSvg(const host::Art& art) {
    pugi::xml_document xml;
    host::svg::WriteArt(xml, art);
    StringWriter out;
    xml.first_child().print(out, "", pugi::format_raw);
    return out.text;
}

nlohmann::json ArtChanges::Collect(const host::Document& document, bool everything) {
    using nlohmann::json;
    if (everything) {
        prints_.clear();
        orders_.clear();
        layers_.clear();
    }
    json out = json::object();
    json layers = json::array();
    for (const auto& layer : document.layers())
        layers.push_back({{"id", std::to_string(layer->id())},
                          {"title", layer->title},
                          {"visible", layer->visible},
                          {"locked", layer->locked}});
    if (std::string text = layers.dump(); text != layers_) {
        layers_ = text;
        out["layers"] = std::move(layers);
    }
    std::map<host::ObjectId, std::uint64_t> prints;
    std::map<host::ObjectId, std::vector<host::ObjectId>> orders;
    json art = json::array();
    json order = json::object();
    for (const auto& layer : document.layers()) {
        std::vector<host::ObjectId>& ids = orders[layer->id()];
        for (const auto& child : layer->group()->children()) {
            const std::uint64_t print = Fingerprint(*child);
            prints[child->id()] = print;
            ids.push_back(child->id());
            auto known = prints_.find(child->id());
            if (known == prints_.end() || known->second != print)
                art.push_back({{"id", std::to_string(child->id())}, {"svg", ArtSvg(*child)}});
        }
        auto known = orders_.find(layer->id());
        if (known == orders_.end() || known->second != ids) {
            json list = json::array();
            for (host::ObjectId id : ids) list.push_back(std::to_string(id));
            order[std::to_string(layer->id())] = std::move(list);
        }
    }
    json disposed = json::array();
    for (const auto& [id, print] : prints_)
        if (!prints.count(id)) disposed.push_back(std::to_string(id));
    prints_ = std::move(prints);
    orders_ = std::move(orders);
    if (!art.empty()) out["art"] = std::move(art);
    if (!disposed.empty()) out["disposed"] = std::move(disposed);
    if (!order.empty()) out["order"] = std::move(order);
    return out;
}

}  // namespace quill::serve

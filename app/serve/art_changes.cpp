#include "app/serve/art_changes.h"

#include <cstring>
#include <pugixml.hpp>
#include <unordered_map>
#include <unordered_set>

#include "host/svg/svg_art_writer.h"

namespace quill::serve {

namespace {

// FNV-1a over the fields, eight bytes at a time.
struct Hasher {
    std::uint64_t h = 1469598103934665603ull;
    void Bytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            h = (h ^ word) * 1099511628211ull;
        }
        for (; i < size; ++i) h = (h ^ p[i]) * 1099511628211ull;
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
        const host::PaintStyle& st = art.style();
        hash.Value(st.fillPaint), hash.Colour(st.fill), hash.Value(st.fillOverprint);
        hash.Value(st.strokePaint), hash.Colour(st.stroke), hash.Value(st.strokeOverprint);
        hash.Value(st.width), hash.Value(st.dashOffset), hash.Value(st.cap), hash.Value(st.join);
        hash.Value(st.miterLimit), hash.Value(st.evenOdd), hash.Value(st.dash.size());
        for (float d : st.dash) hash.Value(d);
    } else if (art.kind() == host::ArtKind::Text) {
        const host::TextStyle& t = art.text().style;
        hash.Text(art.text().contents), hash.Value(art.text().matrix), hash.Text(t.font),
            hash.Value(t.size);
        hash.Value(t.baselineShift), hash.Value(t.tracking), hash.Value(t.justification);
        hash.Value(t.firstLineIndent), hash.Value(t.startIndent), hash.Colour(t.fill);
        hash.Value(t.fillOverprint), hash.Value(t.lineStep);
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
    host::svg::WrittenIds ids;
    host::svg::WriteArt(xml, art, {host::svg::Matrix(), &ids});
    StringWriter out;
    xml.first_child().print(out, "", pugi::format_raw);
    return out.text;
}

nlohmann::json ArtChanges::Collect(host::Document& document, host::ObjectId documentId,
                                   bool everything) {
    using nlohmann::json;
    const host::ChangedObjects changed = document.TakeChangedObjects();
    touched_ = everything || changed.everything || documentId != documentId_ ||
               !changed.objects.empty() || !changed.restackedLayers.empty();
    if (everything || changed.everything || documentId != documentId_) {
        // Another document, or too much changed to follow: what was sent is compared
        // with all there is.
        if (everything) sent_.clear(), layers_.clear();
        documentId_ = documentId;
        std::vector<const host::Layer*> all;
        for (const auto& layer : document.layers()) all.push_back(layer.get());
        json out = Compare(document, all, true);
        if (everything) out["reset"] = true;
        return out;
    }
    std::vector<const host::Layer*> restacked;
    for (host::ObjectId id : changed.restackedLayers)
        if (const host::Layer* layer = document.FindLayer(id)) restacked.push_back(layer);
    json out = Compare(document, restacked, false);
    // The other objects touched stand where they were sent: compared one by one.
    json art = out.contains("art") ? out["art"] : json::array();
    for (host::ObjectId id : changed.objects) {
        auto at = where_.find(id);
        const host::Art* object = document.FindArt(id);
        if (at == where_.end() || !object) continue;
        auto& sent = sent_[at->second.layer];
        if (at->second.index >= sent.prints.size() || sent.ids[at->second.index] != id) continue;
        const std::uint64_t print = Fingerprint(*object);
        if (print == sent.prints[at->second.index]) continue;
        sent.prints[at->second.index] = print;
        art.push_back({{"id", std::to_string(id)}, {"svg", ArtSvg(*object)}});
    }
    if (!art.empty()) out["art"] = std::move(art);
    return out;
}

nlohmann::json ArtChanges::Compare(const host::Document& document,
                                   const std::vector<const host::Layer*>& layersToCompare,
                                   bool all) {
    using nlohmann::json;
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
    json art = json::array();
    json order = json::object();
    const auto send = [&](const host::Art& a) {
        art.push_back({{"id", std::to_string(a.id())}, {"svg", ArtSvg(a)}});
    };
    // Mostly nothing moved: each layer's art is compared with what was sent in place.
    // Only when some stacking changed are the fingerprints looked up by id.
    std::map<host::ObjectId, LayerArt> now;
    std::vector<const host::Layer*> reordered;
    for (const host::Layer* layer : layersToCompare) {
        LayerArt& current = now[layer->id()];
        const auto& children = layer->group()->children();
        current.ids.reserve(children.size());
        current.prints.reserve(children.size());
        for (const auto& child : children) {
            current.ids.push_back(child->id());
            current.prints.push_back(Fingerprint(*child));
        }
        auto before = sent_.find(layer->id());
        if (before == sent_.end() || before->second.ids != current.ids) {
            reordered.push_back(layer);
            json list = json::array();
            for (host::ObjectId id : current.ids) list.push_back(std::to_string(id));
            order[std::to_string(layer->id())] = std::move(list);
            continue;
        }
        for (std::size_t i = 0; i < children.size(); ++i)
            if (current.prints[i] != before->second.prints[i]) send(*children[i]);
    }
    // What left the layers compared: all the layers, or only those whose art was put in,
    // taken out or moved (art moves between layers restack both).
    const bool layersChanged = all && now.size() != sent_.size();
    json disposed = json::array();
    if (!reordered.empty() || layersChanged) {
        std::unordered_map<host::ObjectId, std::uint64_t> sentPrints;
        for (const auto& [layerId, sent] : sent_) {
            if (!all && !now.count(layerId)) continue;
            for (std::size_t i = 0; i < sent.ids.size(); ++i)
                sentPrints[sent.ids[i]] = sent.prints[i];
        }
        for (const host::Layer* layer : reordered) {
            const LayerArt& current = now[layer->id()];
            const auto& children = layer->group()->children();
            for (std::size_t i = 0; i < children.size(); ++i) {
                auto known = sentPrints.find(current.ids[i]);
                if (known == sentPrints.end() || known->second != current.prints[i])
                    send(*children[i]);
            }
        }
        std::unordered_set<host::ObjectId> present;
        for (const auto& [layerId, current] : now)
            present.insert(current.ids.begin(), current.ids.end());
        for (const auto& [id, print] : sentPrints)
            if (!present.count(id)) disposed.push_back(std::to_string(id));
    }
    Remember(std::move(now), all);
    if (!art.empty()) out["art"] = std::move(art);
    if (!disposed.empty()) out["disposed"] = std::move(disposed);
    if (!order.empty()) out["order"] = std::move(order);
    return out;
}

void ArtChanges::Remember(std::map<host::ObjectId, LayerArt> now, bool all) {
    if (all) {
        sent_.clear();
        where_.clear();
    }
    for (auto& [layerId, current] : now) {
        if (auto old = sent_.find(layerId); old != sent_.end())
            for (host::ObjectId id : old->second.ids) where_.erase(id);
        for (std::size_t i = 0; i < current.ids.size(); ++i)
            where_[current.ids[i]] = Place{layerId, i};
        sent_[layerId] = std::move(current);
    }
}

}  // namespace quill::serve

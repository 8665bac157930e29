#include "host/document/document.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace host {

namespace {
std::atomic<ObjectId> nextObjectId{1};
}  // namespace

ObjectId NextObjectId() {
    return nextObjectId++;
}

ObjectId LastObjectId() {
    return nextObjectId - 1;
}

const std::string& RareText::str() const {
    static const std::string none;
    return text_ ? *text_ : none;
}

bool Color::operator==(const Color& o) const {
    return kind == o.kind && std::equal(v, v + 4, o.v) && customName == o.customName &&
           tint == o.tint;
}

namespace {

bool SameBits(const float* a, const float* b, std::size_t count) {
    return count == 0 || std::memcmp(a, b, count * sizeof(float)) == 0;
}

bool IdenticalColor(const Color& a, const Color& b) {
    return a.kind == b.kind && SameBits(a.v, b.v, 4) && SameBits(&a.tint, &b.tint, 1) &&
           a.customName == b.customName;
}

}  // namespace

bool IdenticalStyle(const PaintStyle& a, const PaintStyle& b) {
    return IdenticalColor(a.fill, b.fill) && IdenticalColor(a.stroke, b.stroke) &&
           a.dash.size() == b.dash.size() &&
           SameBits(a.dash.data(), b.dash.data(), a.dash.size()) &&
           SameBits(&a.width, &b.width, 1) && SameBits(&a.dashOffset, &b.dashOffset, 1) &&
           a.cap == b.cap && a.join == b.join && SameBits(&a.miterLimit, &b.miterLimit, 1) &&
           a.fillPaint == b.fillPaint && a.fillOverprint == b.fillOverprint &&
           a.strokePaint == b.strokePaint && a.strokeOverprint == b.strokeOverprint &&
           a.evenOdd == b.evenOdd;
}

const PointText& Art::NoText() {
    static const PointText none;
    return none;
}

const std::shared_ptr<PaintStyle>& Art::DefaultStyle() {
    static const auto defaults = std::make_shared<PaintStyle>();
    return defaults;
}

PaintStyle& Art::editStyle() {
    // The defaults are always shared (held here too), so they are never changed in place.
    if (style_.use_count() > 1) style_ = std::make_shared<PaintStyle>(*style_);
    return *style_;
}

void Art::setStyle(const PaintStyle& style) {
    if (!IdenticalStyle(*style_, style)) style_ = std::make_shared<PaintStyle>(style);
}

const std::string* Art::FindTag(std::string_view tagName) const {
    for (const auto& [key, value] : tags)
        if (key == tagName) return &value;
    return nullptr;
}

void Art::SetTag(std::string_view tagName, const std::string& value) {
    for (auto& [key, existing] : tags)
        if (key == tagName) {
            existing = value;
            return;
        }
    tags.emplace_back(std::string(tagName), value);
}

void Art::RemoveTag(std::string_view tagName) {
    tags.erase(
        std::remove_if(tags.begin(), tags.end(), [&](const auto& t) { return t.first == tagName; }),
        tags.end());
}

Document::Document(float width, float height) : width_(width), height_(height) {
    current_ = AddLayerOnTop("Calque 1");
}

Document::~Document() = default;

std::unique_ptr<Art> Document::MakeArt(ArtKind kind) {
    return std::make_unique<Art>(NextObjectId(), kind);
}

Layer* Document::InsertLayer(std::size_t position, const std::string& title) {
    auto group = MakeArt(ArtKind::Group);
    Art* groupRaw = group.get();
    auto layer = std::make_unique<Layer>(NextObjectId(), std::move(group));
    layer->title = title;
    groupRaw->layerOfGroup_ = layer.get();
    Layer* raw = PlaceLayer(std::move(layer), position);
    if (!current_) current_ = raw;
    if (recorder_) recorder_->LayerMade(*raw);
    return raw;
}

Layer* Document::PlaceLayer(std::unique_ptr<Layer> layer, std::size_t position) {
    Layer* raw = layer.get();
    arts_.Add(raw->group()->id(), raw->group());
    position = std::min(position, layers_.size());
    layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(position), std::move(layer));
    RankEverything();
    LayersChanged();
    return raw;
}

TakenLayer Document::TakeOutLayer(std::size_t position) {
    TakenLayer taken;
    taken.position = position;
    taken.layer = std::move(layers_[position]);
    taken.wasCurrent = current_ == taken.layer.get();
    layers_.erase(layers_.begin() + static_cast<std::ptrdiff_t>(position));
    arts_.Remove(taken.layer->group()->id());
    if (taken.wasCurrent) current_ = layers_.back().get();
    LayersChanged();
    return taken;
}

void Document::LayersChanged() {
    changed_ = ChangedObjects{};
    changed_.everything = true;
    Changed();
}

TakenLayer Document::TakeEmptyLayer(ObjectId id) {
    Layer* layer = FindLayer(id);
    if (!layer || layers_.size() <= 1 || !layer->group()->children_.empty()) return {};
    return TakeOutLayer(LayerPosition(layer));
}

void Document::PutBackLayer(TakenLayer taken) {
    if (!taken.layer) return;
    Layer* raw = PlaceLayer(std::move(taken.layer), taken.position);
    if (taken.wasCurrent) current_ = raw;
}

bool Document::RemoveLayer(Layer* layer) {
    const std::size_t position = LayerPosition(layer);
    if (layers_.size() <= 1 || position == layers_.size()) return false;
    Art* group = layer->group();
    while (!group->children_.empty()) Dispose(group->children_.back().get());
    TakeOutLayer(position);
    return true;
}

std::size_t Document::LayerPosition(const Layer* layer) const {
    for (std::size_t i = 0; i < layers_.size(); ++i)
        if (layers_[i].get() == layer) return i;
    return layers_.size();
}

Layer* Document::FindLayerByTitle(const std::string& title) const {
    for (const auto& layer : layers_)
        if (layer->title == title) return layer.get();
    return nullptr;
}

Art* Document::FindArt(ObjectId id) const {
    return arts_.Find(id);
}

Layer* Document::FindLayer(ObjectId id) const {
    for (const auto& layer : layers_)
        if (layer->id() == id) return layer.get();
    return nullptr;
}

Layer* Document::LayerOf(const Art* art) const {
    while (art && !art->layerOfGroup_) art = art->parent_;
    return art ? art->layerOfGroup_ : nullptr;
}

std::optional<Placement> Document::Resolve(int paintOrder, const Art* prep) const {
    auto top = [](Art* group) { return Placement{group, group->children_.size()}; };
    switch (paintOrder) {
        case kPlaceDefault:
        case kPlaceAboveAll:
            if (!current_) return std::nullopt;
            return top(current_->group());
        case kPlaceBelowAll:
            if (!current_) return std::nullopt;
            return Placement{current_->group(), 0};
        case kPlaceInsideOnTop:
        case kPlaceInsideOnBottom:
            if (!prep || !HoldsArt(prep->kind_)) return std::nullopt;
            return paintOrder == kPlaceInsideOnTop ? top(const_cast<Art*>(prep))
                                                   : Placement{const_cast<Art*>(prep), 0};
        case kPlaceAbove:
        case kPlaceBelow: {
            if (!prep || !prep->parent_) return std::nullopt;
            const auto& siblings = prep->parent_->children_;
            auto it = std::find_if(siblings.begin(), siblings.end(),
                                   [&](const auto& a) { return a.get() == prep; });
            auto index = static_cast<std::size_t>(it - siblings.begin());
            return Placement{prep->parent_, paintOrder == kPlaceAbove ? index + 1 : index};
        }
        default:
            return std::nullopt;
    }
}

bool Document::MayHold(const Art& parent, ArtKind kind) {
    return parent.kind_ != ArtKind::CompoundPath || kind == ArtKind::Path;
}

Art* Document::Insert(std::unique_ptr<Art> art, const Placement& where) {
    Art* raw = art.get();
    raw->parent_ = where.parent;
    // A member is painted as its compound path is.
    if (where.parent->kind_ == ArtKind::CompoundPath) raw->shareStyleOf(*where.parent);
    auto& siblings = where.parent->children_;
    std::size_t index = std::min(where.index, siblings.size());
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(index), std::move(art));
    if (recorder_) recorder_->ChildInserted(where.parent->id(), index);
    PlaceInPaintOrder(*raw, index);
    NoteRestacked(*where.parent);
    return raw;
}

std::unique_ptr<Art> Document::Detach(Art* art) {
    auto& siblings = art->parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [&](const auto& a) { return a.get() == art; });
    NoteRestacked(*art->parent_);
    TakeOutOfPaintOrder(*art);
    std::unique_ptr<Art> owned = std::move(*it);
    if (recorder_)
        recorder_->ChildRemoved(art->parent_->id(),
                                static_cast<std::size_t>(it - siblings.begin()));
    siblings.erase(it);
    art->parent_ = nullptr;
    return owned;
}

void Document::Register(Art& art) {
    arts_.Add(art.id(), &art);
    for (auto& child : art.children_) Register(*child);
}

void Document::Unregister(Art& art) {
    for (auto& child : art.children_) Unregister(*child);
    for (auto* observer : observers_) observer->OnArtRemoved(art);
    arts_.Remove(art.id());
}

void Document::NotifyAdded(const Art& art) {
    if (!HoldsArt(art.kind_))
        for (auto* observer : observers_) observer->OnGeometryChanged(art);
    for (const auto& child : art.children_) NotifyAdded(*child);
}

int Document::DepthInside(const Art* group) {
    int depth = 0;
    for (const Art* a = group; a && a->parent_; a = a->parent_) ++depth;
    return depth + 1;
}

Art* Document::NewArt(ArtKind kind, int paintOrder, Art* prep) {
    auto where = Resolve(paintOrder, prep);
    if (!where || !MayHold(*where->parent, kind)) return nullptr;
    if (HoldsArt(kind) && DepthInside(where->parent) > kDeepestGroups) return nullptr;
    Art* art = Insert(MakeArt(kind), *where);
    Register(*art);
    CreatedTree(*art);
    NotifyAdded(*art);
    Changed();
    return art;
}

namespace {
std::unique_ptr<Art> CloneTree(const Art& source, std::unique_ptr<Art> copy) {
    copy->name = source.name;
    copy->tags = source.tags;
    copy->attributes = source.attributes;
    copy->segments = source.segments;
    copy->closed = source.closed;
    copy->shareStyleOf(source);
    if (source.strokeSpace) copy->strokeSpace = std::make_unique<StrokeSpace>(*source.strokeSpace);
    if (source.kind() == ArtKind::Text) copy->text() = source.text();
    if (const KeptMarkup* kept = source.kept()) {
        // The id stays with the original: references to it mean that one.
        KeptMarkup& copied = copy->keep() = *kept;
        auto& attributes = copied.attributes;
        attributes.erase(std::remove_if(attributes.begin(), attributes.end(),
                                        [](const auto& a) { return a.first == "id"; }),
                         attributes.end());
    }
    return copy;
}
}  // namespace

Art* Document::Duplicate(const Art& source, int paintOrder, Art* prep) {
    auto where = Resolve(paintOrder, prep);
    if (!where || !MayHold(*where->parent, source.kind_)) return nullptr;
    std::function<std::unique_ptr<Art>(const Art&)> clone = [&](const Art& from) {
        auto copy = CloneTree(from, MakeArt(from.kind_));
        for (const auto& child : from.children_) {
            auto childCopy = clone(*child);
            childCopy->parent_ = copy.get();
            copy->children_.push_back(std::move(childCopy));
        }
        return copy;
    };
    Art* art = Insert(clone(source), *where);
    Register(*art);
    CreatedTree(*art);
    NotifyAdded(*art);
    Changed();
    return art;
}

bool Document::Move(Art* art, int paintOrder, Art* prep) {
    if (!art || art->layerOfGroup_ || art == prep) return false;
    for (const Art* a = prep; a; a = a->parent_)
        if (a == art) return false;  // into its own subtree
    auto where = Resolve(paintOrder, prep);
    if (!where || !MayHold(*where->parent, art->kind_)) return false;
    // Positions among the same parent shift once the art is taken out.
    if (where->parent == art->parent_) {
        const auto& siblings = art->parent_->children_;
        auto it = std::find_if(siblings.begin(), siblings.end(),
                               [&](const auto& a) { return a.get() == art; });
        if (static_cast<std::size_t>(it - siblings.begin()) < where->index) --where->index;
    }
    Touch(*art);
    Insert(Detach(art), *where);
    Changed();
    return true;
}

bool Document::Dispose(Art* art) {
    if (!art || art->layerOfGroup_ || !art->parent_) return false;
    TouchTree(*art);
    Unregister(*art);
    Detach(art);  // the returned owner destroys the subtree here
    Changed();
    return true;
}

bool Document::SetSegments(Art* path, std::vector<AIPathSegment> segments) {
    for (const AIPathSegment& s : segments)
        if (!InDrawingRange(s)) return false;
    Touch(*path);
    path->segments = std::move(segments);
    GeometryChanged(path);
    return true;
}

void Document::SetClosed(Art* path, bool closed) {
    Touch(*path);
    path->closed = closed;
    GeometryChanged(path);
}

bool Document::SetMatrix(Art* text, const AIRealMatrix& matrix) {
    if (!InDrawingRange(matrix)) return false;
    Touch(*text);
    text->text().matrix = matrix;
    GeometryChanged(text);
    return true;
}

void Document::SetStyle(Art* art, const PaintStyle& style) {
    Art* compound = art->kind_ == ArtKind::CompoundPath ? art : art->compound();
    if (!compound) {
        Touch(*art);
        art->setStyle(style);
        return;
    }
    TouchTree(*compound);
    compound->setStyle(style);
    for (auto& member : compound->children_) member->shareStyleOf(*compound);
}

void Document::GeometryChanged(Art* art) {
    for (auto* observer : observers_) observer->OnGeometryChanged(*art);
    Changed();
}

void Document::ForEachArt(const std::function<void(Art&)>& f) const {
    std::function<void(Art&)> walk = [&](Art& group) {
        for (auto& child : group.children_) {
            f(*child);
            walk(*child);
        }
    };
    for (const auto& layer : layers_) walk(*layer->group());
}

void Document::Touch(const Art& art) {
    if (art.layerOfGroup_) return;
    paintOrder_.NoteTouched(art.paintRank_);
    if (recorder_) recorder_->WillChange(art);
    NoteChanged(art);
    NoteSelectable(art);
}

void Document::TouchTree(const Art& art) {
    Touch(art);
    if (!recorder_) return;
    for (const auto& child : art.children_) TouchTree(*child);
}

void Document::CreatedTree(const Art& art) {
    if (recorder_) recorder_->Created(art);
    NoteChanged(art);
    NoteSelectable(art);
    for (const auto& child : art.children_) CreatedTree(*child);
}

ArtPlace Document::PlaceOf(const Art& art) const {
    if (!art.parent_) return {};
    const auto& siblings = art.parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [&](const auto& a) { return a.get() == &art; });
    return {art.parent_->id(), static_cast<std::size_t>(it - siblings.begin())};
}

void Document::AddObserver(DocumentObserver* observer) {
    observers_.push_back(observer);
}

void Document::RemoveObserver(DocumentObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Document::Changed() {
    ++version_;
}

}  // namespace host

#include "app/update/dimension_survey.h"

#include "app/update/link_tags.h"

namespace quill::update {

namespace {

bool Has(const host::Art& art, const char* tag) {
    return art.FindTag(tag) != nullptr;
}

// The piece of `group` that carries `marker`, preferring the main line; from the top, so
// that the arc an angle dimension draws last is taken before its duplicates.
const host::Art* MarkedPiece(const host::Art& group, const char* marker) {
    const host::Art* found = nullptr;
    const auto& children = group.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const host::Art& piece = **it;
        if (piece.kind() != host::ArtKind::Path || !Has(piece, marker)) continue;
        if (Has(piece, tags::kMainLine)) return &piece;
        if (!found) found = &piece;
    }
    return found;
}

bool IsDimensionGroup(const host::Art& group) {
    if (group.kind() != host::ArtKind::Group) return false;
    for (const auto& child : group.children())
        if (Has(*child, tags::kPiece)) return true;
    return false;
}

// Whether the press of the kind's tool finds something to rebuild from the piece: a
// segment needs both points linked (or the whole segment), the others their link.
bool CarriesLink(const host::Art& piece, DimensionKind kind) {
    switch (kind) {
        case DimensionKind::Segment:
            return Has(piece, tags::kSegmentLink) ||
                   (Has(piece, tags::kFirstPointLink) && Has(piece, tags::kSecondPointLink));
        case DimensionKind::Angle:
            return Has(piece, tags::kAngleLink);
        case DimensionKind::Circle:
            return Has(piece, tags::kCircleLink);
        case DimensionKind::Other:
            break;
    }
    return false;
}

SurveyedDimension Survey(const host::Art& group, int ordinal) {
    SurveyedDimension d;
    d.group = group.id();
    d.name = group.name;
    d.ordinal = ordinal;
    d.label = LabelOf(group);
    const struct {
        const char* marker;
        DimensionKind kind;
    } markers[] = {{tags::kSegmentMarker, DimensionKind::Segment},
                   {tags::kAngleMarker, DimensionKind::Angle},
                   {tags::kCircleMarker, DimensionKind::Circle}};
    for (const auto& child : group.children())
        if (child->kind() == host::ArtKind::Path && !child->segments.empty()) {
            d.position = child->segments[0].p;
            break;
        }
    for (const auto& m : markers) {
        if (const host::Art* piece = MarkedPiece(group, m.marker)) {
            d.kind = m.kind;
            d.linkPiece = piece->id();
            d.associative = CarriesLink(*piece, m.kind);
            if (!piece->segments.empty()) d.position = piece->segments[0].p;
            break;
        }
    }
    for (const auto& child : group.children())
        if (child->kind() == host::ArtKind::Text) {
            d.position = {child->text().matrix.tx, child->text().matrix.ty};
            break;
        }
    return d;
}

}  // namespace

const char* KindName(DimensionKind kind) {
    switch (kind) {
        case DimensionKind::Segment:
            return "segment";
        case DimensionKind::Angle:
            return "angle";
        case DimensionKind::Circle:
            return "circle";
        case DimensionKind::Other:
            break;
    }
    return "other";
}

const char* MarkerOf(DimensionKind kind) {
    switch (kind) {
        case DimensionKind::Angle:
            return tags::kAngleMarker;
        case DimensionKind::Circle:
            return tags::kCircleMarker;
        default:
            return tags::kSegmentMarker;
    }
}

std::string LabelOf(const host::Art& group) {
    std::string label;
    for (const auto& child : group.children()) {
        if (child->kind() != host::ArtKind::Text || child->text().contents.empty()) continue;
        if (!label.empty()) label += ' ';
        label += child->text().contents;
    }
    return label;
}

std::vector<SurveyedDimension> SurveyDimensions(const host::Document& document,
                                                const std::string& layerTitle) {
    std::vector<SurveyedDimension> found;
    const host::Layer* layer = document.FindLayerByTitle(layerTitle);
    if (!layer) return found;
    int ordinal = 0;
    for (const auto& art : layer->group()->children()) {
        ++ordinal;
        if (IsDimensionGroup(*art)) found.push_back(Survey(*art, ordinal));
    }
    return found;
}

}  // namespace quill::update

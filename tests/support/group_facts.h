// What a scenario's one dimension group shows, written as a row of a table: the script,
// the group's name and number of pieces, the texts and the points of its pieces.
#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "support/scenario.h"

namespace quill::testing {

/// The anchor of a text piece, where a PiecePoint names no anchor of a path.
inline constexpr int kTextAnchor = -1;

/// Anchor `anchor` of piece `piece` (the group's art index, bottom to top) lies at (h, v).
struct PiecePoint {
    int piece;
    int anchor;
    double h, v;
    double eps = 1e-4;
};

struct GroupFacts {
    using Texts = std::vector<std::pair<int, std::string>>;  // piece, contents
    GroupFacts(std::string script, std::string name = "", size_t pieces = 0, Texts texts = {},
               std::vector<PiecePoint> points = {})
        : script(std::move(script)),
          name(std::move(name)),
          pieces(pieces),
          texts(std::move(texts)),
          points(std::move(points)) {}

    std::string script;
    std::string name;   // empty: not checked
    size_t pieces = 0;  // 0: not checked
    Texts texts;
    std::vector<PiecePoint> points;
};

/// Checks each point against the group's art; `where` names the row in a failure.
inline void ExpectPiecePoints(const nlohmann::json& art, const std::vector<PiecePoint>& points,
                              const std::string& where = "") {
    SCOPED_TRACE(where);
    for (const PiecePoint& p : points) {
        ASSERT_LT(static_cast<size_t>(p.piece), art.size()) << art;
        const nlohmann::json& piece = art[p.piece];
        SCOPED_TRACE("piece " + std::to_string(p.piece) + " anchor " + std::to_string(p.anchor));
        if (p.anchor == kTextAnchor) {
            EXPECT_POINT_NEAR(piece["anchor"], p.h, p.v, p.eps);
        } else {
            ASSERT_LT(static_cast<size_t>(p.anchor), piece["segments"].size()) << piece;
            EXPECT_POINT_NEAR(piece["segments"][p.anchor]["p"], p.h, p.v, p.eps);
        }
    }
}

/// Runs the row's script to its end and checks its one group; the scenario, for the
/// checks particular to the row.
inline Scenario ExpectGroupFacts(const GroupFacts& row) {
    SCOPED_TRACE(row.script);
    Scenario s = RunToEnd(row.script);
    const nlohmann::json& group = OnlyGroup(s.dump);
    if (!row.name.empty()) {
        EXPECT_EQ(group.value("name", ""), row.name);
    }
    const nlohmann::json art = group.value("art", nlohmann::json::array());
    if (row.pieces) {
        EXPECT_EQ(art.size(), row.pieces) << art;
    }
    for (const auto& [piece, contents] : row.texts) {
        if (static_cast<size_t>(piece) < art.size())
            EXPECT_EQ(art[piece]["contents"], contents) << "piece " << piece;
        else
            ADD_FAILURE() << "no piece " << piece << " for " << contents;
    }
    ExpectPiecePoints(art, row.points);
    return s;
}

}  // namespace quill::testing

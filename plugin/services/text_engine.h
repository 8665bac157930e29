// Thin wrappers over the host's text-engine suites, one class per kind of text-engine
// object. Each operation forwards to its suite and raises ai::Error on a nonzero
// result; the object is released when the wrapper goes.
#pragma once

#include "plugin/services/ai_error.h"
#include "sdk/sdk.h"

namespace ate {

class CharFeatures {
 public:
    CharFeatures();
    ~CharFeatures();
    CharFeatures(const CharFeatures&) = delete;
    CharFeatures& operator=(const CharFeatures&) = delete;
    CharFeaturesRef ref() const { return ref_; }
    void SetFont(FontRef font);
    void SetFontSize(AIReal size);
    void SetBaselineShift(AIReal shift);
    void SetTracking(int32_t tracking);
    /// The fill colour, converted to the text engine's paint.
    void SetFillColor(const AIColor& color);
    void SetFillOverprint(bool overprint);

 private:
    CharFeaturesRef ref_ = nullptr;
};

class ParaFeatures {
 public:
    ParaFeatures();
    ~ParaFeatures();
    ParaFeatures(const ParaFeatures&) = delete;
    ParaFeatures& operator=(const ParaFeatures&) = delete;
    ParaFeaturesRef ref() const { return ref_; }
    void SetJustification(int32_t justification);
    void SetFirstLineIndent(AIReal indent);
    void SetStartIndent(AIReal indent);

 private:
    ParaFeaturesRef ref_ = nullptr;
};

/// The whole text of a point text.
class TextRange {
 public:
    explicit TextRange(AIArtHandle text);
    ~TextRange();
    TextRange(const TextRange&) = delete;
    TextRange& operator=(const TextRange&) = delete;
    /// Replaces the text; `utf8` is the host's text, "\r" between paragraphs.
    void SetContents(const char* utf8);
    /// The number of characters of the text.
    int32_t Size() const;
    void SetLocalCharFeatures(const CharFeatures& features);
    void SetLocalParaFeatures(const ParaFeatures& features);

 private:
    TextRangeRef ref_ = nullptr;
};

}  // namespace ate

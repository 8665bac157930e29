#include "plugin/dimensions/lengths_texts.h"

#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/label_text.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/dimensions/texts.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/host_text.h"
#include "plugin/services/text_engine.h"

namespace quill {

namespace {

// The line step of the column, relative to the text size.
constexpr double kLineStepRatio = 1.2;

}  // namespace

bool ResultShown(const SettingsRecord& settings, LengthsResult result) {
    switch (result) {
        case kTotalLength:
            return settings.reportTotalLength;
        case kPartialLength:
            return settings.reportPartialLength;
        case kAreaResult:
            return settings.reportArea;
        case kPathCountResult:
            return settings.reportPathCount;
        case kPointCountResult:
            return settings.reportPointCount;
        default:
            return false;
    }
}

const char* ResultPrefix(LengthsResult result) {
    switch (result) {
        case kTotalLength:
            return texts::kResultTotalLength.c_str();
        case kPartialLength:
            return texts::kResultPartialLength.c_str();
        case kAreaResult:
            return texts::kResultArea.c_str();
        case kPathCountResult:
            return texts::kResultPathCount.c_str();
        case kPointCountResult:
            return texts::kResultPointCount.c_str();
        default:
            return "";
    }
}

std::string ResultLine(const LengthsResults& results, LengthsResult result) {
    return ResultPrefix(result) + results.text[result];
}

AIErr CreateResultTexts(ResultTexts& texts) {
    texts = ResultTexts{};
    if (!IsValidArt(ArtSet().group)) return kNoErr;
    AIErr result = kNoErr;
    bool made = true;
    for (int k = 0; k < kLengthsResultCount; ++k) {
        if (!ResultShown(Settings(), static_cast<LengthsResult>(k))) continue;
        result = NewTextPiece(&texts.text[k]);
        made = made && result == kNoErr;
    }
    texts.ready = made;
    return result;
}

AIErr FillResultTexts(const ResultTexts& texts, const LengthsResults& results) {
    if (!texts.ready) return kNoErr;
    const double size = Settings().textSize;
    const double shift = Settings().doubleMeasure ? size / 3 : -size / 3;
    try {
        for (int k = 0; k < kLengthsResultCount; ++k) {
            if (!texts.text[k]) continue;
            ApplyLabelFeatures(texts.text[k], size, shift, LabelJustification::Left);
            const std::string line = ResultLine(results, static_cast<LengthsResult>(k));
            std::string converted;
            ai::Check(ConvertToHostText(line.c_str(), &converted));
            ate::TextRange(texts.text[k]).SetContents(converted.c_str());
        }
    } catch (const ai::Error& error) {
        // Texts left without their lines: the whole block is unfinished.
        ArtSet().unfinished = error.code();
        return error.code();
    }
    return kNoErr;
}

BuildResult PlaceResultTexts(ResultTexts& texts, const LengthsResults& results, Point at,
                             float rotation) {
    if (!texts.ready) return Reported({});
    const int step = static_cast<int>(kLineStepRatio * Settings().textSize);
    HostSteps steps;
    if (results.text[kPartialLength].empty() && texts.text[kPartialLength]) {
        steps << DisposeArt(texts.text[kPartialLength]);
        texts.text[kPartialLength] = nullptr;
    }
    int line = 0;
    for (AIArtHandle text : texts.text) {
        if (!text) continue;
        const Point anchor{at.h, at.v - static_cast<float>(line * step)};
        steps << PlaceLabel(text, anchor, rotation);
        ++line;
    }
    return Reported({steps.Last()});
}

BuildResult AbandonResultTexts() {
    return Reported({DisposeArt(ArtSet().group), BuildOutcome::Abandoned});
}

}  // namespace quill

#include "plugin/services/text_engine.h"

#include "plugin/services/suites.h"

namespace ate {

using ai::Check;

CharFeatures::CharFeatures() {
    Check(sCharFeatures->Initialize(&ref_));
}
CharFeatures::~CharFeatures() {
    if (ref_) sCharFeatures->Release(ref_);
}
void CharFeatures::SetFont(FontRef font) {
    Check(sCharFeatures->SetFont(ref_, font));
}
void CharFeatures::SetFontSize(AIReal size) {
    Check(sCharFeatures->SetFontSize(ref_, size));
}
void CharFeatures::SetBaselineShift(AIReal shift) {
    Check(sCharFeatures->SetBaselineShift(ref_, shift));
}
void CharFeatures::SetTracking(int32_t tracking) {
    Check(sCharFeatures->SetTracking(ref_, tracking));
}
void CharFeatures::SetFillColor(const AIColor& color) {
    ApplicationPaintRef paint = nullptr;
    Check(sAIATEPaint->CreateATEApplicationPaint(&color, &paint));
    AIErr result = sCharFeatures->SetFillColor(ref_, paint);
    sAIATEPaint->ReleaseATEApplicationPaint(paint);
    Check(result);
}
void CharFeatures::SetFillOverprint(bool overprint) {
    Check(sCharFeatures->SetFillOverprint(ref_, overprint));
}

ParaFeatures::ParaFeatures() {
    Check(sParaFeatures->Initialize(&ref_));
}
ParaFeatures::~ParaFeatures() {
    if (ref_) sParaFeatures->Release(ref_);
}
void ParaFeatures::SetJustification(int32_t justification) {
    Check(sParaFeatures->SetJustification(ref_, justification));
}
void ParaFeatures::SetFirstLineIndent(AIReal indent) {
    Check(sParaFeatures->SetFirstLineIndent(ref_, indent));
}
void ParaFeatures::SetStartIndent(AIReal indent) {
    Check(sParaFeatures->SetStartIndent(ref_, indent));
}

TextRange::TextRange(AIArtHandle text) {
    Check(sAITextFrame->GetATETextRange(text, &ref_));
}
TextRange::~TextRange() {
    if (ref_) sTextRange->Release(ref_);
}
void TextRange::SetContents(const char* utf8) {
    Check(sTextRange->SetContents(ref_, utf8));
}
int32_t TextRange::Size() const {
    int32_t characters = 0;
    Check(sTextRange->GetSize(ref_, &characters));
    return characters;
}
void TextRange::SetLocalCharFeatures(const CharFeatures& features) {
    Check(sTextRange->SetLocalCharFeatures(ref_, features.ref()));
}
void TextRange::SetLocalParaFeatures(const ParaFeatures& features) {
    Check(sTextRange->SetLocalParaFeatures(ref_, features.ref()));
}

}  // namespace ate

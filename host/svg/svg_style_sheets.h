// The `<style>` elements of a drawing, read into one set of rules for the whole document.
#pragma once

#include <memory>

#include "host/svg/css_cascade.h"
#include "host/svg/svg_context.h"

namespace host::svg {

/// The rules of every `<style>` element the context indexed (of type text/css or none,
/// for all media or the screen), in document order; nullptr when there are none, so that
/// a drawing without style sheets pays nothing for them. What cannot be applied (other
/// types and media, at-rules, unreadable selectors, malformed declarations) is skipped
/// with a warning at its line.
std::shared_ptr<const RuleSet> ReadStyleSheets(ReaderContext& context);

}  // namespace host::svg

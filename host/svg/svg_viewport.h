// Viewports: the page of the root element, nested svg elements and symbols.
#pragma once

#include "host/svg/svg_context.h"
#include "host/svg/svg_length.h"

namespace host::svg {

struct Viewport {
    /// The viewport's user space to its parent's (for the root: to document points,
    /// y upwards).
    Matrix toParent;
    /// The page in points (root only).
    double pageWidth = 0, pageHeight = 0;
    /// The user-space size that percentages refer to.
    double userWidth = 0, userHeight = 0;
    /// A zero width or height: nothing inside is drawn.
    bool drawsNothing = false;
};

/// The root's page: width and height in absolute units (a percentage or a missing
/// size follows the viewBox; neither gives the host's default page), the viewBox with
/// preserveAspectRatio, and y flipped so that it grows upwards from the page's
/// bottom. Fails the file on an unknown unit or a size that is not positive.
Viewport RootViewport(const pugi::xml_node& root, ReaderContext& context);

/// A nested svg element or a symbol: x, y, width and height (those of `sizeSource`
/// win, the use that draws a symbol), viewBox and preserveAspectRatio.
Viewport NestedViewport(const pugi::xml_node& node, const pugi::xml_node& sizeSource,
                        const LengthContext& lengths, ReaderContext& context);

}  // namespace host::svg

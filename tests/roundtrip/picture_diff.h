// Pictures compared pixel by pixel: two renderings of a drawing are the same when few of
// their pixels differ by more than a tenth of full scale in any channel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill::roundtrip {

/// A picture composited over white, three bytes (red, green, blue) a pixel, row by row.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
};

/// Reads a PNG and puts it over a white page (its alpha, premultiplied, is kept out of the
/// comparison that way); nullopt with `error` set when it cannot be read.
std::optional<Picture> ReadPng(const std::string& path, std::string* error);

/// Writes the picture as an opaque PNG; false with `error` set when it cannot.
bool WritePng(const Picture& picture, const std::string& path, std::string* error);

/// How two pictures differ.
struct PictureDifference {
    std::string sizeMismatch;  // set when the pictures cannot be compared at all
    long long compared = 0;    // pixels compared
    long long differing = 0;   // of which differing beyond the threshold
    double Percent() const { return compared ? 100.0 * differing / compared : 100.0; }
};

/// A channel differing by more than this (of 255) makes the pixel differ: 10 % of full scale.
constexpr int kChannelThreshold = 25;

/// Pixels left out of a comparison, row by row (true: left out); empty leaves none out.
using PixelMask = std::vector<bool>;

/// What `with` draws over `without`: the pixels that differ at all, widened by `margin`
/// pixels on every side (antialiasing). Pictures of different sizes give an empty mask.
PixelMask Footprint(const Picture& without, const Picture& with, int margin);

/// Compares the pictures outside `ignored`. Sides may differ by one pixel (renderers round
/// a drawing's size their own way): the common part is compared. `diff`, when given, is
/// the first picture faded, with the differing pixels in red and `ignored` in blue.
/// `ignored` is of the first picture's size. A pixel differs when its colour is not found
/// within `reach` pixels of its place in the other picture, either way: 0 for pictures of
/// one renderer, 1 between renderers, whose antialiasing of one edge may fall a pixel apart.
PictureDifference ComparePictures(const Picture& a, const Picture& b, const PixelMask& ignored,
                                  int reach, Picture* diff);

}  // namespace quill::roundtrip

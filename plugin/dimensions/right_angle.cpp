// The right-angle square that stands for an angle of 90 degrees.
#include <cmath>

#include "plugin/dimensions/angle_dimension.h"
#include "plugin/dimensions/paint_styles.h"
#include "plugin/dimensions/pieces.h"
#include "plugin/geometry/affine.h"
#include "plugin/services/host_art.h"
#include "plugin/services/suites.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"

namespace quill {

namespace {

constexpr float kRightAngleDegrees = 90.0f;
// A further turn of the square for a clockwise opening: 3π/2 in single precision.
constexpr float kThreeHalfPi = 4.712389f;

}  // namespace

bool IsRightAngle(float opening) {
    AIReal degrees = 0;
    if (sAIRealMath->RadianToDegree(std::fabs(opening), &degrees) != kNoErr) return false;
    // The margin follows the decimals the label shows.
    const int decimals = MainMeasureFormat(Settings()).precision;
    const float margin = std::pow(10.0f, static_cast<float>(-decimals));
    return degrees > kRightAngleDegrees - margin && degrees < kRightAngleDegrees + margin;
}

AIErr DrawRightAngle(Point vertex, float radius, float opening, float firstDirection,
                     AIArtHandle path) {
    if (!IsValidArt(path)) return kNoErr;
    Matrix place = RotationMatrix(firstDirection);
    if (opening > 0) place = Then(place, RotationMatrix(kThreeHalfPi));
    place = Then(place, TranslationMatrix(vertex.h, vertex.v));
    const Point corners[3] = {{radius, 0}, {radius, radius}, {0, radius}};
    PathSegment square[3];
    for (int i = 0; i < 3; ++i) {
        const Point p = Apply(place, corners[i]);
        square[i] = {p, p, p, true};
    }
    AIErr result = SetPathShape(path, square, 3, false);
    const AIErr styled = sAIPathStyle->SetPathStyle(path, &DimensionLineStyle());
    return styled != kNoErr ? styled : result;
}

}  // namespace quill

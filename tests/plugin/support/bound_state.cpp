// The plug-in's unit tests run with a state record of their own bound, as the frame binds
// the plug-in object's for every message.
#include <gtest/gtest.h>

#include <memory>

#include "plugin/frame/quill_state.h"

namespace quill::testing {
namespace {

class BoundState : public ::testing::Environment {
 public:
    void SetUp() override { binding_ = std::make_unique<StateBinding>(state_); }
    void TearDown() override { binding_.reset(); }

 private:
    QuillState state_;
    std::unique_ptr<StateBinding> binding_;
};

[[maybe_unused]] const auto* const kBoundState =
    ::testing::AddGlobalTestEnvironment(new BoundState);

}  // namespace
}  // namespace quill::testing

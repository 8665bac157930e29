// The plug-in's suite globals pointed at the stand-in host's own suite tables, so that
// tests and benchmarks can run the plug-in's code in-process against a real document
// without loading the library.
#pragma once

#include "host/core/host.h"
#include "plugin/services/suites.h"

namespace quill::testing {

class PluginSuites {
 public:
    explicit PluginSuites(host::Host& host) : host_(host) {
        Bind(sAIArt, kAIArtSuite, kAIArtSuiteVersion);
        Bind(sAIPath, kAIPathSuite, kAIPathSuiteVersion);
        Bind(sAITag, kAITagSuite, kAITagSuiteVersion);
        Bind(sAILayer, kAILayerSuite, kAILayerSuiteVersion);
        Bind(sAIHitTest, kAIHitTestSuite, kAIHitTestSuiteVersion);
        Bind(sAICursorSnap, kAICursorSnapSuite, kAICursorSnapSuiteVersion);
        Bind(sAIRealMath, kAIRealMathSuite, kAIRealMathSuiteVersion);
        Bind(sAIRealBezier, kAIRealBezierSuite, kAIRealBezierSuiteVersion);
        Bind(sAIDocumentView, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
        Bind(sAIMatchingArt, kAIMatchingArtSuite, kAIMatchingArtSuiteVersion);
        Bind(sAIMdMemory, kAIMdMemorySuite, kAIMdMemorySuiteVersion);
    }
    ~PluginSuites() {
        sAIArt = nullptr;
        sAIPath = nullptr;
        sAITag = nullptr;
        sAILayer = nullptr;
        sAIHitTest = nullptr;
        sAICursorSnap = nullptr;
        sAIRealMath = nullptr;
        sAIRealBezier = nullptr;
        sAIDocumentView = nullptr;
        sAIMatchingArt = nullptr;
        sAIMdMemory = nullptr;
    }
    PluginSuites(const PluginSuites&) = delete;
    PluginSuites& operator=(const PluginSuites&) = delete;

 private:
    template <class Suite>
    void Bind(Suite*& global, const char* name, int version) {
        global = static_cast<Suite*>(const_cast<void*>(host_.suites().Find(name, version)));
    }

    host::Host& host_;
};

}  // namespace quill::testing

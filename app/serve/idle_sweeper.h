// Frees the sessions no tab has used for the idle limit, looking every little while
// from a thread of its own until it is destroyed.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "app/serve/sessions.h"

namespace quill::serve {

class IdleSweeper {
 public:
    explicit IdleSweeper(std::shared_ptr<Sessions> sessions);
    ~IdleSweeper();
    IdleSweeper(const IdleSweeper&) = delete;
    IdleSweeper& operator=(const IdleSweeper&) = delete;

 private:
    std::shared_ptr<Sessions> sessions_;
    std::mutex lock_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace quill::serve

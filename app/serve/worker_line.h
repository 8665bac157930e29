// The line between `quill serve` and one session's worker process: a stream socket on
// which the server writes a request and the worker writes its answer, one at a time.
// Each is a frame of byte strings, every one preceded by its length.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quill::serve {

/// One of the page's requests as its session's worker reads it: the route ("state",
/// "alive", "event", "open", "save", "png", "resource"), what the address added (the
/// drawing's name, the resolution, the resource's kind and id) and the body.
struct WorkerRequest {
    std::string route, argument, body;
};

/// The worker's answer: an HTTP status, the body's content type, the body. `lost` when
/// the worker ended before it answered.
struct WorkerAnswer {
    int status = 200;
    std::string type = "application/json";
    std::string body;
    bool lost = false;
};

/// The largest string a frame may hold: far more than an upload, as a picture at the
/// largest resolution may be; a length beyond it means the line is out of step.
inline constexpr std::size_t kLargestFramePart = std::size_t{1} << 30;

/// Writes the strings as one frame; false when the other end is gone.
bool WriteFrame(int fd, const std::vector<std::string>& parts);
/// Reads one frame of `count` strings; false at the end of the line or on a malformed one.
bool ReadFrame(int fd, std::size_t count, std::vector<std::string>* parts);

bool WriteRequest(int fd, const WorkerRequest& request);
bool ReadRequest(int fd, WorkerRequest* request);
bool WriteAnswer(int fd, const WorkerAnswer& answer);
bool ReadAnswer(int fd, WorkerAnswer* answer);

}  // namespace quill::serve

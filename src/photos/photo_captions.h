#pragma once

// Giving a photo its caption in photo management's text mode.

#include <cstddef>
#include <string>

#include "store/prompt.h"
#include "store/session.h"

namespace brinox {

inline constexpr const char* kCaptionTooLong = "Tekstlengte is \nmaximaal 100 karakters";

// What a caption of `length` characters in the edit field leads to: a beep
// at every change from 96 characters on, and beyond 100 the message
// kCaptionTooLong with the text cut to its first 100.
struct CaptionTyping {
    bool beep = false;
    bool cut = false;
};
CaptionTyping captionTyping(std::size_t length);

enum class LinkOutcome { NoPassword, Failed, Linked };

// "&Koppel de tekst en de foto": the family password, then `text` (cut to
// 100 characters) as the caption of `key` in every record that has it, or
// in a new record at the end. A missing caption file is created; one that
// cannot be read or written is the generic error report and stays as it was.
LinkOutcome linkCaption(Session& session, Prompt& prompt, const std::string& key, const std::string& text);

}  // namespace brinox

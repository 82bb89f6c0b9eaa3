#pragma once

namespace brinox {

// Topics of the help file.
enum class HelpTopic { Contents = 0, Relationship = 1000, Selection = 1010, PhotoManagement = 1020, LifeStory = 1030 };

// Shows the help file at a topic. Windows take this, so tests can check
// which topic was asked for without a help window.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(HelpTopic topic) = 0;
};

}  // namespace brinox

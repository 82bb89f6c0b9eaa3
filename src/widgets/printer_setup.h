#pragma once

class QPrinter;

namespace brinox {

// The printer set-up dialog, which windows reach through this so that tests
// can print to a file without a person at the screen.
class PrinterSetup {
public:
    virtual ~PrinterSetup() = default;
    // Lets the user choose and set up `printer`; false when cancelled.
    virtual bool setUp(QPrinter& printer) = 0;
};

}  // namespace brinox

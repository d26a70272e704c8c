#pragma once

// In a test run every dialog box of the plug-in but the needle dialog (which the
// script works) is read out and answered: its title and texts are reported, the
// radio button a test asked for is clicked, and OK (or Cancel) is pressed.
namespace dovrik::host {

struct DialogAnswer {
    int chooseId = 0;    // a radio button to click first, or 0
    bool cancel = false; // Cancel instead of OK
};

// Starts a thread that answers each dialog box once, for as long as the process runs.
void answerDialogs(const DialogAnswer& answer);

} // namespace dovrik::host

// Ctrl-C as the Cancel button of a command-line run that talks to an analyzer. While a
// TUserInterrupt exists, the interrupt signal only sets a flag, and the bus event hook it
// installs raises EUserAbort at its next call. Every card runs that hook in its pauses and
// the network cards every few milliseconds of a wait, so a transfer or an identification ends
// at once, also while a network analyzer stays silent; the card is then closed as after any
// failure. The hook raises once per Ctrl-C, so that closing the card is not cut short. A
// second Ctrl-C ends the program the usual way.
#pragma once

class TUserInterrupt {
public:
    // Takes over the interrupt signal and the bus event hook (for a program without a user
    // interface of its own, which installs no other hook).
    TUserInterrupt();
    // Gives the signal its previous handler back and removes the hook.
    ~TUserInterrupt();
    TUserInterrupt(const TUserInterrupt&) = delete;
    TUserInterrupt& operator=(const TUserInterrupt&) = delete;

    // Ctrl-C was pressed since construction.
    bool Requested() const;

private:
    void CheckFromHook();

    void (*previousHandler_)(int);
    bool raised_ = false;
};

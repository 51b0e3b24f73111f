// One running copy per user.
#pragma once

#include <QLockFile>

// Holds the per-user lock in the runtime folder while the program runs. A lock left by a copy
// that crashed or was killed is recognised as stale and taken over.
class SingleCopy {
public:
    SingleCopy();
    bool Acquire();

private:
    QLockFile lock_;
};

// The message a second copy shows before it ends without touching the settings file.
void RefuseSecondCopy();

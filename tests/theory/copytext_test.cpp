#include "theory/copytext.h"

#include <gtest/gtest.h>

using theory::SpellingMode;

TEST(CopyText, OneLineOfNameAndNotes)
{
    const std::pair<std::string, const char*> rows[] = {
        { theory::ScaleCopyText(0, 20, SpellingMode::Sharps), "C Ryukyu: C E F G B" },
        { theory::ScaleCopyText(0, 13, SpellingMode::Sharps), "C Lydian ♯5: C D E F♯ G♯ A B" },
        { theory::ChordCopyText(0, 15, SpellingMode::Mixed), "C 7(♭9): C E G B♭ C♯" },
        { theory::ChordCopyText(0, 1, SpellingMode::Mixed, {}, { 4 }), "C/E: E G C" },
        { theory::ChordCopyText(4, 10, SpellingMode::Sharps, {}, { 4, true }),
            "E 7 (no 5th): E G♯ D" },
        { theory::ChordCopyText(9, 24, SpellingMode::Mixed, {}, { 7, true }),
            "Am7/G (no 5th): G A C" },
        { theory::KeyCopyText(0), "主調: C♯ A♯m 上属調: A♭ Fm 下属調: F♯ D♯m" },
        { theory::ScaleCopyText(12, 0, SpellingMode::Mixed), "" },
        { theory::ChordCopyText(0, 29, SpellingMode::Mixed), "" },
        { theory::KeyCopyText(15), "" },
    };
    for (const auto& [line, expected] : rows)
        EXPECT_EQ(line, expected);
}

// A result list of the chord search: each item keeps its chord and the line it copies, and is
// dragged out as those lines of plain text, so that it can be dropped on the memo pad or any
// other program; a drop never takes it out of the list.
#pragma once

#include "theory/chordmatch.h"
#include "theory/spelling.h"

#include <QListWidget>

#include <functional>

class ResultList final : public QListWidget {
public:
    // Green on dark green in the monospaced Gothic, at its place in twips.
    ResultList(QWidget* parent, const char* name, const QRect& twips);

    // Appends the hit, named in the spelling.
    void Add(const theory::ChordHit& hit, theory::SpellingMode spelling);

    static theory::PitchClass Root(const QListWidgetItem* item);
    static theory::ChordType Type(const QListWidgetItem* item);
    // The line the item copies: "F＃ m7(♭5): F＃ A C E".
    static QString Line(const QListWidgetItem* item);

    // What resting the pointer on an item says about it.
    void Explain(std::function<QString(const QListWidgetItem*)> why) { why_ = std::move(why); }

    // Shortens the list to the whole rows its height holds, so no row shows cut in half.
    // Measuring loads the list's face, so call it once the dialog shows.
    void FitWholeRows();

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions) override;
    bool viewportEvent(QEvent* event) override;

private:
    std::function<QString(const QListWidgetItem*)> why_;
};

#pragma once

#include <QTextEdit>

namespace brinox {

// The editor of the life-description windows. What is pasted or dropped
// arrives as plain text in the format at the cursor, and what is copied
// leaves as plain text: formatting that Rich Text Format cannot keep never
// gets in, so what is shown is what is saved.
class RichTextEditor : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextEditor(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace brinox

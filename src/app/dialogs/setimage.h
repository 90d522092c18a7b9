#pragma once

#include "document/objectinfo.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;

namespace tessarine {

// Turns a picture object by quarter turns. The host loads the object's record and applies
// what ObjectInfoAccepted hands back through the document's SetObjectInfo; the record's Angle
// is then a number of quarter turns counter-clockwise from the present orientation.
class TSetImage : public QDialog
{
    Q_OBJECT
public:
    explicit TSetImage(QWidget* parent = nullptr);

    // Takes the object's record. The turn starts at "0°" each time: it is relative to the
    // picture's present orientation, so confirming an untouched dialog must not turn it.
    void Load(const TObjectInfo& object);
    const TObjectInfo& EditInfo() const { return m_editInfo; }

signals:
    void ObjectInfoAccepted(int index, const tessarine::TObjectInfo& info);

private:
    void OK_BMClick();

    TObjectInfo m_editInfo;
    QButtonGroup* m_turns = nullptr;
    QComboBox* m_resolution = nullptr;
};

} // namespace tessarine

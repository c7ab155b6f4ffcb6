// The word-list window: which dictionaries the exercises use in this run.
#pragma once

#include "app/frame.h"
#include "wordlists.h"

#include <QCheckBox>
#include <array>

namespace vx {

class frmDictionaries : public VxWindow {
    Q_OBJECT
public:
    explicit frmDictionaries(AppContext& context, QWidget* parent = nullptr);

    std::array<QCheckBox*, kMaxWordLists + 1> chkDct{};
    std::array<QLabel*, kMaxWordLists + 1> lblDct{};
    DrawnButton* cmdMarkeraAlla = nullptr;
    DrawnButton* cmdAvmarkeraAlla = nullptr;
    DrawnButton* cmdOK = nullptr;
    int lastBox = kMaxWordLists;
    // The file name behind each box 1..36, which its label may show shortened.
    std::array<QString, kMaxWordLists + 1> fileName{};

    void selectAll(bool ticked);
    void ok();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vx

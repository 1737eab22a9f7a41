#pragma once

#include <QtGlobal>

namespace cli {

/** A progress bar on standard error, drawn only when that is a terminal. */
class ProgressBar {
public:
    ProgressBar();
    void show(qsizetype done, qsizetype total);
    /** Clears the bar's line. */
    void finish();

private:
    bool m_terminal;
    int m_shownPercent = -1;
};

} // namespace cli

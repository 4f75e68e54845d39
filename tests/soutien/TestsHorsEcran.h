#pragma once

// The main of a GoogleTest suite that draws: a Qt application of the kind it needs (QGuiApplication
// for fonts, QApplication for the charts), offscreen unless a platform is chosen, French by default,
// and nothing of ours following the C library's numeric locale.
#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace amortix {

template <typename Application> int ExecuteTestsHorsEcran(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace amortix

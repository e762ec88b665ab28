// Entry point of every browser test program: the application object must
// exist before the first page and be destroyed before the program's statics,
// which a QApplication created on demand would not be.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Tests run without a display and, as root, without the engine's sandbox.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine builds its accessibility tree only when asked to; tests read it.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            "--disable-gpu --no-sandbox --disable-logging --force-renderer-accessibility");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

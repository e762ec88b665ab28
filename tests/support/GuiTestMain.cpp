// Entry point of every test program that shows widgets or pages: the
// application object must exist before the first widget and be destroyed
// before the program's statics, which an application created on demand would
// not be.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests run without a display and, as root, without the engine's sandbox.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine builds its accessibility tree only when asked to; the runtime tests read it. Flags a test
    // program set before main (a device to emulate) are kept.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            "--disable-gpu --no-sandbox --disable-logging --force-renderer-accessibility " +
                qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"));
    // Folders that the tests delete go to a trash inside this run's own data
    // folder, not into the user's real trash nor into the checkout.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#pragma once

#include <QStringList>

#include <memory>

class CMainFrame;
class CVemoDoc;
class QTranslator;
class SingleInstance;

/**
 * The program: one instance at a time, the document of the installation, and the main frame.
 * Lives for the whole run; what it opened is released in the reverse order when it goes.
 */
class CVemoApp {
public:
    explicit CVemoApp(QStringList arguments);
    ~CVemoApp();

    /** Starts the program; false when it is to end at once with exitCode(). */
    bool initInstance();
    int exitCode() const { return m_exitCode; }

    CMainFrame* mainFrame() const { return m_frame.get(); }

private:
    void installQtTranslation();
    QString installPathOption() const;

    QStringList m_arguments;
    int m_exitCode = 0;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<QTranslator> m_qtTranslation;
    std::unique_ptr<CVemoDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

#include "DesignLoader.h"
#include "SetupCtrls.h"
#include "TBoardImage.h"
#include "TComponent.h"
#include "TControl.h"
#include "TForm.h"
#include "TMenu.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// A form with one handler, as designs bind them.
class TProbeForm : public TForm
{
    Q_OBJECT
public:
    using TForm::TForm;
    QList<QObject *> clicks;
public slots:
    void ProbeClick(QObject *Sender) { clicks << Sender; }
};

// A component that records what the loader wrote and when.
class TProbe : public TControl
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count WRITE setCount)
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(TColor Color READ color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(TProbe *Buddy READ buddy WRITE setBuddy)
public:
    using TControl::TControl;
    int count() const { return m_count; }
    void setCount(int c)
    {
        m_count = c;
        loadingAtWrite = IsLoading(this);
    }
    QStringList lines() const { return m_lines; }
    void setLines(const QStringList &l) { m_lines = l; }
    TColor color() const { return m_color; }
    void setColor(TColor c) { m_color = c; }
    TProbe *buddy() const { return m_buddy; }
    void setBuddy(TProbe *b) { m_buddy = b; }
    Q_INVOKABLE void Loaded() override
    {
        loadedCalls++;
        buddyAtLoaded = m_buddy;
    }
    bool loadingAtWrite = false;
    int loadedCalls = 0;
    TProbe *buddyAtLoaded = nullptr;

private:
    int m_count = 0;
    QStringList m_lines;
    TColor m_color = clBtnFace;
    TProbe *m_buddy = nullptr;
};

class tst_DesignLoader : public QObject
{
    Q_OBJECT

private:
    static QByteArray design(const QByteArray &components, const QByteArray &formProps = "{}")
    {
        return "{ \"class\": \"TProbeForm\", \"name\": \"Form\", \"properties\": " + formProps +
               ", \"components\": [" + components + "] }";
    }

private slots:
    void initTestCase()
    {
        RegisterSetupCtrls();
        RegisterComponentClass<TProbe>();
    }

    void loadsValuesReferencesAndHandlers()
    {
        TProbeForm form;
        LoadDesignData(&form,
                       design(R"(
            {"name": "A", "class": "TProbe", "properties": {
                "Left": 10, "Top": 20, "Width": 30, "Height": 40, "Count": 7,
                "Lines": ["one", "two"], "Color": "$0000FF", "Anchors": "[akLeft, akBottom]",
                "Align": "alNone", "Font": {"Name": "Tahoma", "Height": -13, "Style": ["fsBold"]},
                "Buddy": "B", "OnClick": "ProbeClick"}},
            {"name": "B", "class": "TProbe", "parent": "A", "properties": {"Visible": false}},
            {"name": "M", "class": "TMainMenu"},
            {"name": "File", "class": "TMenuItem", "parent": "M", "properties": {"Caption": "&File"}},
            {"name": "Quit", "class": "TMenuItem", "parent": "File", "properties": {"OnClick": "ProbeClick"}})",
                              R"({"Caption": "Probe", "Color": "clWhite", "Menu": "M"})"),
                       "probe.json");
        auto *a = form.findChild<TProbe *>("A");
        auto *b = form.findChild<TProbe *>("B");
        auto *menu = form.findChild<TMainMenu *>("M");
        QVERIFY(a && b && menu);
        QCOMPARE(form.windowTitle(), QString("Probe"));
        QCOMPARE(form.color(), clWhite);
        QCOMPARE(form.menu(), menu);
        QCOMPARE(a->parentWidget(), form.clientArea());
        QCOMPARE(b->parentWidget(), a);
        QCOMPARE(a->geometry(), QRect(10, 20, 30, 40));
        QCOMPARE(a->count(), 7);
        QCOMPARE(a->lines(), QStringList({"one", "two"}));
        QCOMPARE(qint32(a->color()), qint32(clRed));
        QCOMPARE(a->anchors(), TAnchors(akLeft | akBottom));
        QCOMPARE(a->font().pixelSize(), 13);
        QVERIFY(a->font().bold());
        QCOMPARE(a->buddy(), b);
        QVERIFY(!b->visibleFlag());
        QCOMPARE(menu->Count(), 1);
        QCOMPARE(menu->Items(0)->Count(), 1);
        QCOMPARE(menu->Items(0)->Items(0)->objectName(), QString("Quit"));

        // Values are written while loading; Loaded runs once everything is resolved.
        QVERIFY(a->loadingAtWrite);
        QVERIFY(!IsLoading(a));
        QCOMPARE(a->loadedCalls, 1);
        QCOMPARE(a->buddyAtLoaded, b);

        // Handlers reach the form's slot with the component as sender.
        a->Click();
        menu->Items(0)->Items(0)->trigger();
        QCOMPARE(form.clicks, QList<QObject *>({a, menu->Items(0)->Items(0)}));
    }

    void brokenDesigns_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("mentions");

        QTest::newRow("malformed JSON")
            << QByteArray("{ \"class\": \"TProbeForm\", ") << QStringList{"malformed JSON"};
        QTest::newRow("not an object") << QByteArray("[1, 2]") << QStringList{"JSON object"};
        QTest::newRow("wrong form class")
            << QByteArray(R"({"class": "TOtherForm", "name": "Form"})")
            << QStringList{"TOtherForm", "TProbeForm"};
        QTest::newRow("unknown class") << design(R"({"name": "X", "class": "TNoSuchThing"})")
                                       << QStringList{"\"X\"", "unknown class", "TNoSuchThing"};
        QTest::newRow("unknown property")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Lefty": 3}})")
            << QStringList{"\"X\"", "\"Lefty\"", "unknown property"};
        QTest::newRow("Qt-only property")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"geometry": 3}})")
            << QStringList{"\"X\"", "\"geometry\"", "unknown property"};
        QTest::newRow("text for a number")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Left": "ten"}})")
            << QStringList{"\"X\"", "\"Left\"", "whole number", "\"ten\""};
        QTest::newRow("fraction for a number")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Count": 1.5}})")
            << QStringList{"\"Count\"", "whole number"};
        QTest::newRow("number out of range")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Count": 1e12}})")
            << QStringList{"\"Count\"", "out of range"};
        QTest::newRow("number for a flag")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Visible": 1}})")
            << QStringList{"\"Visible\"", "true or false"};
        QTest::newRow("unknown enum member")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Align": "alMiddle"}})")
            << QStringList{"\"Align\"", "alMiddle", "no member"};
        QTest::newRow("unknown set member")
            << design(
                   R"({"name": "X", "class": "TProbe", "properties": {"Anchors": "[akLeft, akUp]"}})")
            << QStringList{"\"Anchors\"", "akUp", "no member"};
        QTest::newRow("set without brackets")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Anchors": "akLeft"}})")
            << QStringList{"\"Anchors\"", "[akLeft, akTop]"};
        QTest::newRow("unknown colour")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Color": "clPuce"}})")
            << QStringList{"\"Color\"", "colour"};
        QTest::newRow("lines not texts")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Lines": ["a", 2]}})")
            << QStringList{"\"Lines\"", "array of texts"};
        QTest::newRow("unknown font style")
            << design(
                   R"({"name": "X", "class": "TProbe", "properties": {"Font": {"Style": ["fsWavy"]}}})")
            << QStringList{"\"Font.Style\"", "fsWavy"};
        QTest::newRow("missing picture")
            << design(
                   R"({"name": "X", "class": "TBoardImage", "properties": {"Picture": ":/nowhere.jpg"}})")
            << QStringList{"\"Picture\"", ":/nowhere.jpg"};
        QTest::newRow("reference to nothing")
            << design(R"({"name": "X", "class": "TProbe", "properties": {"Buddy": "Nobody"}})")
            << QStringList{"\"X\"", "\"Buddy\"", "\"Nobody\""};
        QTest::newRow("reference of the wrong class")
            << design(R"({"name": "M", "class": "TMainMenu"},
                         {"name": "X", "class": "TProbe", "properties": {"Buddy": "M"}})")
            << QStringList{"\"Buddy\"", "TMainMenu", "TProbe"};
        QTest::newRow("handler that names nothing")
            << design(
                   R"({"name": "X", "class": "TProbe", "properties": {"OnClick": "NoSuchClick"}})")
            << QStringList{"\"X\"", "\"OnClick\"", "NoSuchClick"};
        QTest::newRow("unknown parent")
            << design(R"({"name": "X", "class": "TProbe", "parent": "Ghost"})")
            << QStringList{"\"X\"", "Ghost"};
        QTest::newRow("name used twice")
            << design(R"({"name": "X", "class": "TProbe"}, {"name": "X", "class": "TProbe"})")
            << QStringList{"\"X\"", "twice"};
        QTest::newRow("component without a name")
            << design(R"({"class": "TProbe"})") << QStringList{"TProbe", "no name"};
        QTest::newRow("form property of the wrong type")
            << design("", R"({"Caption": 5})") << QStringList{"\"Form\"", "\"Caption\"", "text"};
    }

    void brokenDesigns()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, mentions);
        TProbeForm form;
        try {
            LoadDesignData(&form, json, "broken.json");
            QFAIL("the broken design loaded");
        } catch (const EDesignError &error) {
            const QString message = error.message();
            QVERIFY2(message.startsWith("broken.json: "), qPrintable(message));
            for (const QString &m : mentions)
                QVERIFY2(message.contains(m), qPrintable(message + " lacks " + m));
        }
        // Nothing half-built stays behind.
        QCOMPARE(form.clientArea()->findChildren<QWidget *>().size(), 0);
        QCOMPARE(form.findChildren<TMainMenu *>().size(), 0);
        QVERIFY(!IsLoading(&form));
    }

    // The program's own loader: a broken main-window design stops with its
    // message and a non-zero exit, the real design loads.
    void checkdesignExitCodes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrMentions");
        QTest::newRow("broken") << QByteArray(R"({"class": "TMainForm", "name": "MainForm",
            "components": [{"name": "BoardImage1", "class": "TBoardImage", "properties": {"Stretch": "yes"}}]})")
                                << 2 << QString("\"BoardImage1\", property \"Stretch\"");
        QTest::newRow("real design") << QByteArray() << 0 << QString();
    }

    void checkdesignExitCodes()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrMentions);
        QTemporaryDir dir;
        QString file = SOURCE_DIR "/template/MainForm.json";
        if (!json.isEmpty()) {
            file = dir.filePath("design.json");
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(json);
        }
        QProcess p;
        p.start(BINARY_DIR "/tools/checkdesign", {file});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), exitCode);
        QVERIFY2(QString::fromLocal8Bit(p.readAllStandardError()).contains(stderrMentions),
                 qPrintable(stderrMentions));
    }
};

QTEST_MAIN(tst_DesignLoader)
#include "tst_designloader.moc"

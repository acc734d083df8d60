#include "ui/main/MainActions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

MainActions::MainActions(QWidget *owner)
    : file(buildFile(owner)),
      edit(buildEdit(owner)),
      remove(buildDelete(owner)),
      run(buildRun(owner)),
      help(buildHelp(owner)),
      bar(buildBar(owner))
{
}

QList<QMenu *> MainActions::menus() const
{
    return {file.menu, edit.menu, remove.menu, run.menu, help.menu};
}

QAction *MainActions::entry(QMenu *menu, QWidget *owner, const char *objectName, const QString &caption,
                            const QString &tip, const QKeySequence &keys)
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setToolTip(tip);
    action->setStatusTip(tip);
    action->setShortcut(keys);
    if (menu)
        menu->addAction(action);
    return action;
}

QMenu *MainActions::newMenu(QWidget *owner, const char *objectName, const QString &title)
{
    auto *menu = new QMenu(title, owner);
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

MainActions::File MainActions::buildFile(QWidget *owner)
{
    File f{};
    f.menu = newMenu(owner, "mnuFile", QStringLiteral("Dosya"));
    f.newChart = entry(f.menu, owner, "mnuNew", QStringLiteral("Yeni"),
                       QStringLiteral("Yeni bir akış şeması başlatır"), QKeySequence::New);
    f.menu->addSeparator();
    f.open = entry(f.menu, owner, "mnuLoad", QStringLiteral("Aç..."),
                   QStringLiteral("Kayıtlı bir akış şemasını açar"), QKeySequence::Open);
    f.recent = newMenu(owner, "mnuRecentMenu", QStringLiteral("Son Açılanlar"));
    f.recent->setToolTipsVisible(true);
    f.menu->addMenu(f.recent);
    f.menu->addSeparator();
    f.examples = newMenu(owner, "mnuExamplesMenu", QStringLiteral("Örnekler"));
    f.menu->addMenu(f.examples);
    f.openExercise = entry(f.menu, owner, "mnuOpenExercise", QStringLiteral("Alıştırma Aç..."),
                           QStringLiteral("Bir alıştırmayı şemanın yanındaki panelde açar"));
    f.checkExercise = entry(f.menu, owner, "mnuCheckExercise", QStringLiteral("Kontrol Et"),
                            QStringLiteral("Şemayı alıştırmanın bütün testleriyle çalıştırır; hiçbir şey kaydedilmez"),
                            QKeySequence(Qt::CTRL | Qt::Key_T));
    f.exerciseEditor = entry(f.menu, owner, "mnuExerciseEditor", QStringLiteral("Alıştırma Düzenleyici..."),
                             QStringLiteral("Yeni bir alıştırma dosyası yazar ya da açık alıştırmayı düzenler"));
    f.menu->addSeparator();
    f.makeExecutable = entry(f.menu, owner, "mnuMakeExecutable", QStringLiteral("EXE Yap..."),
                             QStringLiteral("Akış şemasını tek başına çalışan bir program yapar"));
    f.menu->addSeparator();
    f.save = entry(f.menu, owner, "mnuSave", QStringLiteral("Kaydet"), QStringLiteral("Akış şemasını kaydeder"),
                   QKeySequence::Save);
    f.saveAs = entry(f.menu, owner, "mnuSaveAs", QStringLiteral("Farklı Kaydet..."),
                     QStringLiteral("Akış şemasını başka bir adla kaydeder"), QKeySequence::SaveAs);
    f.menu->addSeparator();
    f.exportCode = entry(f.menu, owner, "mnuExportCode", QStringLiteral("Kod Olarak Dışa Aktar..."),
                         QStringLiteral("Şemayı ve çağırdığı şemaları Python, C ya da Java programı olarak kaydeder"));
    f.codeView = entry(f.menu, owner, "mnuCodeView", QStringLiteral("Kod Görünümü"),
                       QStringLiteral("Şemanın Python kodunu şemanın yanındaki panelde gösterir"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    f.menu->addSeparator();
    f.saveImage = entry(f.menu, owner, "mnuSaveImage", QStringLiteral("Resim Olarak Kaydet..."),
                        QStringLiteral("Akış şemasını PNG, SVG ya da PDF dosyası olarak kaydeder"));
    f.print = entry(f.menu, owner, "mnuPrint", QStringLiteral("Yazdır..."), QStringLiteral("Akış şemasını yazdırır"),
                    QKeySequence::Print);
    f.menu->addSeparator();
    f.exit = entry(f.menu, owner, "mnuExit", QStringLiteral("Çıkış"), QStringLiteral("Programı kapatır"),
                   QKeySequence::Quit);
    return f;
}

MainActions::Edit MainActions::buildEdit(QWidget *owner)
{
    Edit e{};
    e.menu = newMenu(owner, "mnuChangeShape", QStringLiteral("Düzen"));
    e.fillColour = entry(e.menu, owner, "mnuChangeBackColor", QStringLiteral("Zemin Rengini Değiştir"),
                         QStringLiteral("Seçili nesnenin zemin rengini değiştirir"));
    e.textColour = entry(e.menu, owner, "mnuChangeTextColor", QStringLiteral("Yazı Rengini Değiştir"),
                         QStringLiteral("Seçili nesnenin yazı rengini değiştirir"));
    e.borderColour = entry(e.menu, owner, "mnuChangeBorderColor", QStringLiteral("Kenarlık Rengini Değiştir"),
                           QStringLiteral("Seçili nesnenin kenarlık rengini değiştirir"));
    e.menu->addSeparator();
    e.size = entry(e.menu, owner, "mnuChangeSize", QStringLiteral("Boyutu Değiştir"),
                   QStringLiteral("Seçili nesnenin boyutunu değiştirir"));
    e.menu->addSeparator();
    e.captionToLine = entry(e.menu, owner, "mnuAddCaptionToLine", QStringLiteral("Çizgiye Açıklama Ekle"),
                            QStringLiteral("Seçili iki nesnenin arasındaki çizgiye açıklama yazar"));
    e.menu->addSeparator();
    e.autoLayout = entry(e.menu, owner, "mnuAutoLayout", QStringLiteral("Otomatik Yerleştir"),
                         QStringLiteral("Akış şemasını yukarıdan aşağıya yeniden yerleştirir; koşulların EVET ve "
                                        "HAYIR kolları yan yana gelir"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    e.grid = entry(e.menu, owner, "mnuGrid", QStringLiteral("Izgaraya Hizala"),
                   QStringLiteral("Taşınan nesneler 10 piksellik ızgaraya oturur"));
    e.menu->addSeparator();
    e.cut = entry(e.menu, owner, "mnuCut", QStringLiteral("Kes"),
                  QStringLiteral("Seçili nesneleri çizgileriyle birlikte panoya taşır"), QKeySequence::Cut);
    e.copy = entry(e.menu, owner, "mnuCopy", QStringLiteral("Kopyala"),
                   QStringLiteral("Seçili nesneleri ve aralarındaki çizgileri panoya kopyalar"), QKeySequence::Copy);
    e.paste = entry(e.menu, owner, "mnuPaste", QStringLiteral("Yapıştır"),
                    QStringLiteral("Panodaki nesneleri yeni etiketlerle çizime ekler"), QKeySequence::Paste);
    e.selectAll = entry(e.menu, owner, "mnuSelectAll", QStringLiteral("Tümünü Seç"),
                        QStringLiteral("Çizimdeki bütün nesneleri seçer"), QKeySequence::SelectAll);
    e.insertBlock = entry(e.menu, owner, "mnuInsertBlock", QStringLiteral("Arkasına Nesne Ekle..."),
                          QStringLiteral("Seçili nesnenin arkasına, çıkan çizgisinin üstüne yeni bir nesne ekler"),
                          QKeySequence(Qt::Key_Insert));
    return e;
}

MainActions::Delete MainActions::buildDelete(QWidget *owner)
{
    Delete d{};
    d.menu = newMenu(owner, "mnuDelete", QStringLiteral("Sil"));
    d.line = entry(d.menu, owner, "mnuDeleteLine", QStringLiteral("Çizgi Sil"), QStringLiteral("Seçili iki nesnenin arasındaki çizgiyi siler"),
                   QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    d.block = entry(d.menu, owner, "mnuDeleteBlock", QStringLiteral("Nesne Sil"),
                    QStringLiteral("Seçili çizgiyi ya da seçili nesneleri siler"), QKeySequence::Delete);
    return d;
}

// Step back takes Ctrl+Shift+F11, which no desktop reserves, beside the other steps' keys.
MainActions::Run MainActions::buildRun(QWidget *owner)
{
    Run r{};
    r.menu = newMenu(owner, "mnuRun", QStringLiteral("Çalıştır"));
    r.run = entry(r.menu, owner, "mnuRunStart", QStringLiteral("Çalıştır"),
                  QStringLiteral("Programı baştan çalıştırır"), QKeySequence(Qt::Key_F5));
    r.stop = entry(r.menu, owner, "mnuRunStop", QStringLiteral("Durdur"), QStringLiteral("Programı durdurur"),
                   QKeySequence(Qt::SHIFT | Qt::Key_F5));
    r.pause = entry(r.menu, owner, "mnuRunPause", QStringLiteral("Duraklat"),
                    QStringLiteral("Programı o anki blokta bekletir ya da devam ettirir"), QKeySequence(Qt::Key_F6));
    r.nextStep = entry(r.menu, owner, "mnuRunNextStep", QStringLiteral("Sonraki Adım"),
                       QStringLiteral("Duraklatılmış programı kaldığı yerden devam ettirir"), QKeySequence(Qt::Key_F8));
    QMenu *delay = newMenu(owner, "mnuRunDelay", QStringLiteral("Gecikme"));
    r.menu->addMenu(delay);
    r.fast = entry(delay, owner, "mnuDelayFast", QStringLiteral("Hızlı (0 ms)"),
                   QStringLiteral("Program bloklar arasında beklemeden çalışır"));
    r.slow = entry(delay, owner, "mnuDelaySlow", QStringLiteral("Yavaş (500 ms)"),
                   QStringLiteral("Her bloktan sonra yarım saniye beklenir"));
    r.stepMode = entry(delay, owner, "mnuDelayStep", QStringLiteral("Adım Adım"),
                       QStringLiteral("Her bloktan sonra program duraklar"));
    r.menu->addSeparator();
    r.toggleBreakpoint = entry(r.menu, owner, "mnuToggleBreakpoint", QStringLiteral("Kesme Noktası"),
                               QStringLiteral("Seçili blokta kesme noktası koyar ya da kaldırır"),
                               QKeySequence(Qt::Key_F9));
    r.breakpointCondition = entry(r.menu, owner, "mnuBreakpointCondition", QStringLiteral("Kesme Noktası Koşulu..."),
                                  QStringLiteral("Seçili bloktaki kesme noktası yalnızca bir koşul doğruysa durdurur"));
    r.clearBreakpoints = entry(r.menu, owner, "mnuClearBreakpoints", QStringLiteral("Tüm Kesme Noktalarını Kaldır"),
                               QStringLiteral("Bütün şemalardaki kesme noktalarını siler"));
    r.menu->addSeparator();
    r.stepInto = entry(r.menu, owner, "mnuStepInto", QStringLiteral("İçine Adım"),
                       QStringLiteral("Bir blok yürütür; çağrılan şemanın içine girer"), QKeySequence(Qt::Key_F11));
    r.stepOver = entry(r.menu, owner, "mnuStepOver", QStringLiteral("Üstünden Adım"),
                       QStringLiteral("Bir blok yürütür; bir çağrıyı bütünüyle yürütür"), QKeySequence(Qt::Key_F10));
    r.stepOut = entry(r.menu, owner, "mnuStepOut", QStringLiteral("Dışına Adım"),
                      QStringLiteral("İçinde bulunulan şema dönene kadar çalışır"),
                      QKeySequence(Qt::SHIFT | Qt::Key_F11));
    r.stepBack = entry(r.menu, owner, "mnuStepBack", QStringLiteral("Geri Adım"),
                       QStringLiteral("Son yürütülen bloğu geri alır"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11));
    r.runToHere = entry(r.menu, owner, "mnuRunToHere", QStringLiteral("Buraya Kadar Çalıştır"),
                        QStringLiteral("Program seçili bloğa gelince duraklar"), QKeySequence(Qt::CTRL | Qt::Key_F10));
    r.menu->addSeparator();
    r.counts = entry(r.menu, owner, "mnuExecutionCounts", QStringLiteral("Çalışma Sayıları"),
                     QStringLiteral("Her bloğun ve koşul çizgisinin kaç kez çalıştığını gösterir"));
    return r;
}

MainActions::Help MainActions::buildHelp(QWidget *owner)
{
    Help h{};
    h.menu = newMenu(owner, "mnuHelp", QStringLiteral("Yardım"));
    h.handbook = entry(h.menu, owner, "mnuHandbook", QStringLiteral("Kullanım Kılavuzu"),
                       QStringLiteral("Seçili nesnenin kılavuzdaki açıklamasını açar"), QKeySequence::HelpContents);
    h.topics = entry(h.menu, owner, "mnuHelpTopics", QStringLiteral("Yardım Konuları"),
                     QStringLiteral("Yardım sayfasını tarayıcıda açar"));
    h.menu->addSeparator();
    h.about = entry(h.menu, owner, "mnuAbout", QStringLiteral("Program Hakkında"),
                    QStringLiteral("Program hakkında bilgi verir"));
    return h;
}

MainActions::Bar MainActions::buildBar(QWidget *owner)
{
    Bar b{};
    b.connect = entry(nullptr, owner, "cmdConnect", QStringLiteral("Bağla"),
                      QStringLiteral("Seçili iki nesneyi bir çizgiyle bağlar"));
    b.edit = entry(nullptr, owner, "cmdEdit", QStringLiteral("Düzenle"),
                   QStringLiteral("Seçili nesnenin özelliklerini düzenler"));
    return b;
}

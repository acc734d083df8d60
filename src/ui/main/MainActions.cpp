#include "ui/main/MainActions.h"

#include "ui/run/RunGlyphs.h"

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
    f.menu = newMenu(owner, "mnuFile", tr("Dosya"));
    f.newChart = entry(f.menu, owner, "mnuNew", tr("Yeni"),
                       tr("Yeni bir akış şeması başlatır"), QKeySequence::New);
    f.menu->addSeparator();
    f.open = entry(f.menu, owner, "mnuLoad", tr("Aç..."),
                   tr("Kayıtlı bir akış şemasını açar"), QKeySequence::Open);
    f.recent = newMenu(owner, "mnuRecentMenu", tr("Son Açılanlar"));
    f.recent->setToolTipsVisible(true);
    f.menu->addMenu(f.recent);
    f.menu->addSeparator();
    f.examples = newMenu(owner, "mnuExamplesMenu", tr("Örnekler"));
    f.menu->addMenu(f.examples);
    f.openExercise = entry(f.menu, owner, "mnuOpenExercise", tr("Alıştırma Aç..."),
                           tr("Bir alıştırmayı şemanın yanındaki panelde açar"));
    f.checkExercise = entry(f.menu, owner, "mnuCheckExercise", tr("Kontrol Et"),
                            tr("Şemayı alıştırmanın bütün testleriyle çalıştırır; hiçbir şey kaydedilmez"),
                            QKeySequence(Qt::CTRL | Qt::Key_T));
    f.exerciseEditor = entry(f.menu, owner, "mnuExerciseEditor", tr("Alıştırma Düzenleyici..."),
                             tr("Yeni bir alıştırma dosyası yazar ya da açık alıştırmayı düzenler"));
    f.menu->addSeparator();
    f.makeExecutable = entry(f.menu, owner, "mnuMakeExecutable", tr("EXE Yap..."),
                             tr("Akış şemasını tek başına çalışan bir program yapar"));
    f.menu->addSeparator();
    f.save = entry(f.menu, owner, "mnuSave", tr("Kaydet"), tr("Akış şemasını kaydeder"),
                   QKeySequence::Save);
    f.saveAs = entry(f.menu, owner, "mnuSaveAs", tr("Farklı Kaydet..."),
                     tr("Akış şemasını başka bir adla kaydeder"), QKeySequence::SaveAs);
    f.menu->addSeparator();
    f.exportCode = entry(f.menu, owner, "mnuExportCode", tr("Kod Olarak Dışa Aktar..."),
                         tr("Şemayı ve çağırdığı şemaları Python, C ya da Java programı olarak kaydeder"));
    f.codeView = entry(f.menu, owner, "mnuCodeView", tr("Kod Görünümü"),
                       tr("Şemanın Python kodunu şemanın yanındaki panelde gösterir"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    f.menu->addSeparator();
    f.pictureBreakpoints = entry(f.menu, owner, "mnuPictureBreakpoints", tr("Resimde Kesme Noktalarını Göster"),
                                 tr("Kaydedilen resimlerde ve yazdırılan sayfalarda kesme noktalarını kırmızı "
                                    "noktalarla gösterir"));
    f.saveImage = entry(f.menu, owner, "mnuSaveImage", tr("Resim Olarak Kaydet..."),
                        tr("Akış şemasını PNG, SVG ya da PDF dosyası olarak kaydeder"));
    f.print = entry(f.menu, owner, "mnuPrint", tr("Yazdır..."), tr("Akış şemasını yazdırır"),
                    QKeySequence::Print);
    f.menu->addSeparator();
    f.exit = entry(f.menu, owner, "mnuExit", tr("Çıkış"), tr("Programı kapatır"),
                   QKeySequence::Quit);
    return f;
}

MainActions::Edit MainActions::buildEdit(QWidget *owner)
{
    Edit e{};
    e.menu = newMenu(owner, "mnuChangeShape", tr("Düzen"));
    e.fillColour = entry(e.menu, owner, "mnuChangeBackColor", tr("Zemin Rengini Değiştir"),
                         tr("Seçili nesnenin zemin rengini değiştirir"));
    e.textColour = entry(e.menu, owner, "mnuChangeTextColor", tr("Yazı Rengini Değiştir"),
                         tr("Seçili nesnenin yazı rengini değiştirir"));
    e.borderColour = entry(e.menu, owner, "mnuChangeBorderColor", tr("Kenarlık Rengini Değiştir"),
                           tr("Seçili nesnenin kenarlık rengini değiştirir"));
    e.menu->addSeparator();
    e.size = entry(e.menu, owner, "mnuChangeSize", tr("Boyutu Değiştir"),
                   tr("Seçili nesnenin boyutunu değiştirir"));
    e.menu->addSeparator();
    e.captionToLine = entry(e.menu, owner, "mnuAddCaptionToLine", tr("Çizgiye Açıklama Ekle"),
                            tr("Seçili iki nesnenin arasındaki çizgiye açıklama yazar"));
    e.menu->addSeparator();
    e.autoLayout = entry(e.menu, owner, "mnuAutoLayout", tr("Otomatik Yerleştir"),
                         tr("Akış şemasını yukarıdan aşağıya yeniden yerleştirir; koşulların EVET ve "
                            "HAYIR kolları yan yana gelir"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    e.grid = entry(e.menu, owner, "mnuGrid", tr("Izgaraya Hizala"),
                   tr("Taşınan nesneler 10 piksellik ızgaraya oturur"));
    e.menu->addSeparator();
    e.cut = entry(e.menu, owner, "mnuCut", tr("Kes"),
                  tr("Seçili nesneleri çizgileriyle birlikte panoya taşır"), QKeySequence::Cut);
    e.copy = entry(e.menu, owner, "mnuCopy", tr("Kopyala"),
                   tr("Seçili nesneleri ve aralarındaki çizgileri panoya kopyalar"), QKeySequence::Copy);
    e.paste = entry(e.menu, owner, "mnuPaste", tr("Yapıştır"),
                    tr("Panodaki nesneleri yeni etiketlerle çizime ekler"), QKeySequence::Paste);
    e.selectAll = entry(e.menu, owner, "mnuSelectAll", tr("Tümünü Seç"),
                        tr("Çizimdeki bütün nesneleri seçer"), QKeySequence::SelectAll);
    e.insertBlock = entry(e.menu, owner, "mnuInsertBlock", tr("Arkasına Nesne Ekle..."),
                          tr("Seçili nesnenin arkasına, çıkan çizgisinin üstüne yeni bir nesne ekler"),
                          QKeySequence(Qt::Key_Insert));
    return e;
}

MainActions::Delete MainActions::buildDelete(QWidget *owner)
{
    Delete d{};
    d.menu = newMenu(owner, "mnuDelete", tr("Sil"));
    d.line = entry(d.menu, owner, "mnuDeleteLine", tr("Çizgi Sil"), tr("Seçili iki nesnenin arasındaki çizgiyi siler"),
                   QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    d.block = entry(d.menu, owner, "mnuDeleteBlock", tr("Nesne Sil"),
                    tr("Seçili çizgiyi ya da seçili nesneleri siler"), QKeySequence::Delete);
    return d;
}

// Step back takes Ctrl+Shift+F11, which no desktop reserves, beside the other steps' keys.
MainActions::Run MainActions::buildRun(QWidget *owner)
{
    Run r{};
    r.menu = newMenu(owner, "mnuRun", tr("Çalıştır"));
    r.run = entry(r.menu, owner, "mnuRunStart", tr("Çalıştır"),
                  tr("Programı baştan çalıştırır"), QKeySequence(Qt::Key_F5));
    r.stop = entry(r.menu, owner, "mnuRunStop", tr("Durdur"), tr("Programı durdurur"),
                   QKeySequence(Qt::SHIFT | Qt::Key_F5));
    r.pause = entry(r.menu, owner, "mnuRunPause", tr("Duraklat"),
                    tr("Programı o anki blokta bekletir ya da devam ettirir"), QKeySequence(Qt::Key_F6));
    r.nextStep = entry(r.menu, owner, "mnuRunNextStep", tr("Sonraki Adım"),
                       tr("Duraklatılmış programı kaldığı yerden devam ettirir"), QKeySequence(Qt::Key_F8));
    QMenu *delay = newMenu(owner, "mnuRunDelay", tr("Gecikme"));
    r.menu->addMenu(delay);
    r.fast = entry(delay, owner, "mnuDelayFast", tr("Hızlı (0 ms)"),
                   tr("Program bloklar arasında beklemeden çalışır"));
    r.slow = entry(delay, owner, "mnuDelaySlow", tr("Yavaş (500 ms)"),
                   tr("Her bloktan sonra yarım saniye beklenir"));
    r.stepMode = entry(delay, owner, "mnuDelayStep", tr("Adım Adım"),
                       tr("Her bloktan sonra program duraklar"));
    r.menu->addSeparator();
    r.toggleBreakpoint = entry(r.menu, owner, "mnuToggleBreakpoint", tr("Kesme Noktası"),
                               tr("Seçili blokta kesme noktası koyar ya da kaldırır"),
                               QKeySequence(Qt::Key_F9));
    r.breakpointCondition = entry(r.menu, owner, "mnuBreakpointCondition", tr("Kesme Noktası Koşulu..."),
                                  tr("Seçili bloktaki kesme noktası yalnızca bir koşul doğruysa durdurur"));
    r.clearBreakpoints = entry(r.menu, owner, "mnuClearBreakpoints", tr("Tüm Kesme Noktalarını Kaldır"),
                               tr("Bütün şemalardaki kesme noktalarını siler"));
    r.menu->addSeparator();
    r.stepInto = entry(r.menu, owner, "mnuStepInto", tr("İçine Adım"),
                       tr("Bir blok yürütür; çağrılan şemanın içine girer"), QKeySequence(Qt::Key_F11));
    r.stepOver = entry(r.menu, owner, "mnuStepOver", tr("Üstünden Adım"),
                       tr("Bir blok yürütür; bir çağrıyı bütünüyle yürütür"), QKeySequence(Qt::Key_F10));
    r.stepOut = entry(r.menu, owner, "mnuStepOut", tr("Dışına Adım"),
                      tr("İçinde bulunulan şema dönene kadar çalışır"),
                      QKeySequence(Qt::SHIFT | Qt::Key_F11));
    r.stepBack = entry(r.menu, owner, "mnuStepBack", tr("Geri Adım"),
                       tr("Son yürütülen bloğu geri alır"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11));
    r.stepInto->setIcon(RunGlyphs::icon(RunGlyphs::Glyph::StepInto));
    r.stepOver->setIcon(RunGlyphs::icon(RunGlyphs::Glyph::StepOver));
    r.stepOut->setIcon(RunGlyphs::icon(RunGlyphs::Glyph::StepOut));
    r.stepBack->setIcon(RunGlyphs::icon(RunGlyphs::Glyph::StepBack));
    r.runToHere = entry(r.menu, owner, "mnuRunToHere", tr("Buraya Kadar Çalıştır"),
                        tr("Program seçili bloğa gelince duraklar"), QKeySequence(Qt::CTRL | Qt::Key_F10));
    r.menu->addSeparator();
    r.counts = entry(r.menu, owner, "mnuExecutionCounts", tr("Çalışma Sayıları"),
                     tr("Her bloğun ve koşul çizgisinin kaç kez çalıştığını gösterir"));
    return r;
}

MainActions::Help MainActions::buildHelp(QWidget *owner)
{
    Help h{};
    h.menu = newMenu(owner, "mnuHelp", tr("Yardım"));
    h.handbook = entry(h.menu, owner, "mnuHandbook", tr("Kullanım Kılavuzu"),
                       tr("Seçili nesnenin kılavuzdaki açıklamasını açar"), QKeySequence::HelpContents);
    h.topics = entry(h.menu, owner, "mnuHelpTopics", tr("Yardım Konuları"),
                     tr("Yardım sayfasını tarayıcıda açar"));
    h.menu->addSeparator();
    // Named in both languages, so that a reader of either finds it.
    h.language = newMenu(owner, "mnuLanguage", QStringLiteral("Dil / Language"));
    h.language->menuAction()->setToolTip(tr("Programın hangi dilde açılacağını seçer"));
    h.language->menuAction()->setStatusTip(h.language->menuAction()->toolTip());
    h.language->setToolTipsVisible(true);
    h.menu->addMenu(h.language);
    h.turkish = entry(h.language, owner, "mnuLanguageTurkish", QStringLiteral("Türkçe"),
                      tr("Program bir sonraki açılışta Türkçe açılır"));
    h.english = entry(h.language, owner, "mnuLanguageEnglish", QStringLiteral("English"),
                      tr("Program bir sonraki açılışta İngilizce açılır"));
    h.about = entry(h.menu, owner, "mnuAbout", tr("Program Hakkında"),
                    tr("Program hakkında bilgi verir"));
    return h;
}

MainActions::Bar MainActions::buildBar(QWidget *owner)
{
    Bar b{};
    b.connect = entry(nullptr, owner, "cmdConnect", tr("Bağla"),
                      tr("Seçili iki nesneyi bir çizgiyle bağlar"));
    b.edit = entry(nullptr, owner, "cmdEdit", tr("Düzenle"),
                   tr("Seçili nesnenin özelliklerini düzenler"));
    return b;
}

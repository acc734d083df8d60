<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="tr_TR">
<context>
    <name>ChartCode</name>
    <message>
        <source>Şemanın geçici kopyası yazılamadı; geçici klasörde yer kalmamış olabilir.</source>
        <translation>The chart&apos;s temporary copy could not be written; the temporary folder may be full.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>PNG Resmi (*.png)</source>
        <translation>PNG Image (*.png)</translation>
    </message>
    <message>
        <source>SVG Çizimi (*.svg)</source>
        <translation>SVG Drawing (*.svg)</translation>
    </message>
    <message>
        <source>PDF Belgesi (*.pdf)</source>
        <translation>PDF Document (*.pdf)</translation>
    </message>
    <message>
        <source>Akış şeması boş; resmi çıkarılacak bir şey yok.</source>
        <translation>The flowchart is empty; there is nothing to draw.</translation>
    </message>
    <message>
        <source>Resmin biçimi dosya adından anlaşılamadı: </source>
        <translation>The image format could not be told from the file name: </translation>
    </message>
    <message>
        <source> (.png, .svg ya da .pdf ile bitmeli).</source>
        <translation> (it must end in .png, .svg or .pdf).</translation>
    </message>
    <message>
        <source>Resim oluşturulamadı: bellek yetersiz.</source>
        <translation>The image could not be made: not enough memory.</translation>
    </message>
    <message>
        <source> yazılamadı: </source>
        <translation> could not be written: </translation>
    </message>
</context>
<context>
    <name>ChartExportCommands</name>
    <message>
        <source>Resim Olarak Kaydet</source>
        <translation>Save as Image</translation>
    </message>
    <message>
        <source>Adsız</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Yazdır</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Akış şeması yazdırılamadı: yazıcı hazır değil.</source>
        <translation>The flowchart could not be printed: the printer is not ready.</translation>
    </message>
</context>
<context>
    <name>CodeCommands</name>
    <message>
        <source>Kod</source>
        <translation>Code</translation>
    </message>
</context>
<context>
    <name>CodeExportDialog</name>
    <message>
        <source>C Kaynak Dosyası (*.c)</source>
        <translation>C Source File (*.c)</translation>
    </message>
    <message>
        <source>Java Kaynak Dosyası (*.java)</source>
        <translation>Java Source File (*.java)</translation>
    </message>
    <message>
        <source>Python Programı (*.py)</source>
        <translation>Python Program (*.py)</translation>
    </message>
    <message>
        <source>Kod Olarak Dışa Aktar</source>
        <translation>Export as Code</translation>
    </message>
    <message>
        <source>Şemanın ve çağırdığı şemaların yazılacağı programlama dili</source>
        <translation>The programming language the chart and the charts it calls are written in</translation>
    </message>
    <message>
        <source>Kodu bir dosyaya kaydeder</source>
        <translation>Saves the code to a file</translation>
    </message>
    <message>
        <source>Adsız</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Kodu Kaydet</source>
        <translation>Save the Code</translation>
    </message>
    <message>
        <source>Kod kaydedilemedi: </source>
        <translation>The code could not be saved: </translation>
    </message>
</context>
<context>
    <name>CodeView</name>
    <message>
        <source>Şemanın Python kodu; bir satıra tıklamak o satırın bloğunu seçer</source>
        <translation>The chart&apos;s Python code; clicking a line selects that line&apos;s block</translation>
    </message>
    <message>
        <source># Bu şemanın kodu gösterilemiyor:
# </source>
        <translation># This chart&apos;s code cannot be shown:
# </translation>
    </message>
</context>
<context>
    <name>ExerciseCommands</name>
    <message>
        <source>Alıştırma</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Alıştırma Aç</source>
        <translation>Open Exercise</translation>
    </message>
    <message>
        <source>Varnel Alıştırmaları (*.vnx)</source>
        <translation>Varnel Exercises (*.vnx)</translation>
    </message>
    <message>
        <source>Alıştırmalar</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>%1 (alıştırma)</source>
        <translation>%1 (exercise)</translation>
    </message>
    <message>
        <source>Alıştırmayı şemanın yanında açar</source>
        <translation>Opens the exercise beside the chart</translation>
    </message>
</context>
<context>
    <name>ExerciseEditorDialog</name>
    <message>
        <source>birebir</source>
        <translation>exactly</translation>
    </message>
    <message>
        <source>baş/son boşluklar hariç</source>
        <translation>ignoring leading/trailing blanks</translation>
    </message>
    <message>
        <source>büyük/küçük harf hariç</source>
        <translation>ignoring letter case</translation>
    </message>
    <message>
        <source>sayılar değerce</source>
        <translation>numbers by value</translation>
    </message>
    <message>
        <source>Alıştırma Düzenleyici</source>
        <translation>Exercise Editor</translation>
    </message>
    <message>
        <source>Öğrencinin okuyacağı metin (Markdown: **kalın**, `kod`, listeler)</source>
        <translation>The text the student reads (Markdown: **bold**, `code`, lists)</translation>
    </message>
    <message>
        <source> sn</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Ad</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Girdi Satırları</source>
        <translation>Input Lines</translation>
    </message>
    <message>
        <source>Beklenen Satırlar</source>
        <translation>Expected Lines</translation>
    </message>
    <message>
        <source>Gizli</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Karşılaştırma</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>&amp;Başlık:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Metin:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>Sınırlar (blok, süre, bölge):</source>
        <translation>Limits (blocks, time, locale):</translation>
    </message>
    <message>
        <source>Bir testte çalışabilecek en çok blok sayısı</source>
        <translation>The most blocks one test may run</translation>
    </message>
    <message>
        <source>Bir testin en uzun süresi</source>
        <translation>The longest time one test may take</translation>
    </message>
    <message>
        <source>Sayıların okunup yazıldığı bölgesel ayarlar (tr_TR, en_US...)</source>
        <translation>The regional settings numbers are read and written in (tr_TR, en_US...)</translation>
    </message>
    <message>
        <source>Test &amp;Ekle</source>
        <translation>&amp;Add Test</translation>
    </message>
    <message>
        <source>Tabloya yeni bir test ekler</source>
        <translation>Adds a new test to the table</translation>
    </message>
    <message>
        <source>Testi &amp;Sil</source>
        <translation>&amp;Delete Test</translation>
    </message>
    <message>
        <source>Seçili testi tablodan siler</source>
        <translation>Deletes the selected test from the table</translation>
    </message>
    <message>
        <source>Örnek Çözümden &amp;Doldur...</source>
        <translation>&amp;Fill from Reference Solution...</translation>
    </message>
    <message>
        <source>Bir örnek çözüm şemasını her testle çalıştırır ve beklenen satırları onun çıktısıyla doldurur</source>
        <translation>Runs a reference solution chart with every test and fills the expected lines with its output</translation>
    </message>
    <message>
        <source>test %1</source>
        <translation>test %1</translation>
    </message>
    <message>
        <source>Örnek Çözüm Şeması</source>
        <translation>Reference Solution Chart</translation>
    </message>
    <message>
        <source>Varnel Şemaları (*.vnp)</source>
        <translation>Varnel Charts (*.vnp)</translation>
    </message>
    <message>
        <source>Alıştırmayı Kaydet</source>
        <translation>Save the Exercise</translation>
    </message>
    <message>
        <source>Varnel Alıştırmaları (*.vnx)</source>
        <translation>Varnel Exercises (*.vnx)</translation>
    </message>
</context>
<context>
    <name>ExercisePanel</name>
    <message>
        <source>(satır yok)</source>
        <translation>(no line)</translation>
    </message>
    <message>
        <source>Kontrol Et</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Sonuç</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Girdi</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Beklenen Çıktı</source>
        <translation>Expected Output</translation>
    </message>
    <message>
        <source>Şemayı alıştırmanın bütün testleriyle çalıştırır; hiçbir şey kaydedilmez (Ctrl+T)</source>
        <translation>Runs the chart with all the exercise&apos;s tests; nothing is saved (Ctrl+T)</translation>
    </message>
    <message>
        <source>%v/%m test</source>
        <translation>%v/%m tests</translation>
    </message>
    <message>
        <source>Alıştırma yok</source>
        <translation>No exercise</translation>
    </message>
    <message>
        <source>Bir alıştırma açmak için **Dosya &gt; Alıştırma Aç...** komutunu kullanın.</source>
        <translation>To open an exercise, use **File &gt; Open Exercise...**.</translation>
    </message>
    <message>
        <source>Kontrol ediliyor...</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>geçti</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>Görünen testler: %1/%2 geçti.</source>
        <translation>Visible tests: %1/%2 passed.</translation>
    </message>
    <message>
        <source> Gizli testler: %1/%2 geçti.</source>
        <translation> Hidden tests: %1/%2 passed.</translation>
    </message>
    <message>
        <source>
Bütün testler geçti.</source>
        <translation>
All tests passed.</translation>
    </message>
    <message>
        <source>“%1” testi geçmedi: %2</source>
        <translation>Test “%1” failed: %2</translation>
    </message>
    <message>
        <source>“%1” testinde ilk fark, satır %2: beklenen %3, gelen %4</source>
        <translation>First difference in test “%1”, line %2: expected %3, got %4</translation>
    </message>
</context>
<context>
    <name>GUI_Collection</name>
    <message>
        <source>Yanlış nesne eklenmeye çalışılıyor: </source>
        <translation>An object of the wrong kind was being added: </translation>
    </message>
    <message>
        <source>Aynı isimde ikinci bir nesne eklenemez: </source>
        <translation>A second object with the same name cannot be added: </translation>
    </message>
</context>
<context>
    <name>HandbookHelp</name>
    <message>
        <source>Kullanım kılavuzunu açar; seçili bloğun türünü anlatan bölümden</source>
        <translation>Opens the handbook at the chapter on the selected block&apos;s kind</translation>
    </message>
    <message>
        <source>Bir satıra çift tıklayın (ya da F1&apos;e basın): kılavuzdaki açıklaması açılır.</source>
        <translation>Double-click a line (or press F1) to open its explanation in the handbook.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Varnel Kullanım Kılavuzu</source>
        <translation>Varnel Handbook</translation>
    </message>
    <message>
        <source>◀ Geri</source>
        <translation>◀ Back</translation>
    </message>
    <message>
        <source>Önceki sayfa (Alt+Sol)</source>
        <translation>Previous page (Alt+Left)</translation>
    </message>
    <message>
        <source>İleri ▶</source>
        <translation>Forward ▶</translation>
    </message>
    <message>
        <source>Sonraki sayfa (Alt+Sağ)</source>
        <translation>Next page (Alt+Right)</translation>
    </message>
    <message>
        <source>İçindekiler</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Kılavuzun başı</source>
        <translation>The handbook&apos;s first page</translation>
    </message>
    <message>
        <source>Kılavuzda ara (Ctrl+F)</source>
        <translation>Search the handbook (Ctrl+F)</translation>
    </message>
    <message>
        <source>Yazdığınız sözcüklerin geçtiği bölümler solda listelenir; Enter ilkini açar.</source>
        <translation>The chapters that hold the words you type are listed on the left; Enter opens the first.</translation>
    </message>
    <message>
        <source># Kullanım kılavuzu bulunamadı

Kılavuzun dosyaları bu klasörde olmalıydı:

    %1

Programı yeniden kurmak kılavuzu da geri getirir.</source>
        <translation># The handbook was not found

Its files should be in this folder:

    %1

Installing the program again brings the handbook back.</translation>
    </message>
</context>
<context>
    <name>MessageVariableDialog</name>
    <message>
        <source>Değişken Adı:</source>
        <translation>Variable name:</translation>
    </message>
</context>
<context>
    <name>PropertyDialog</name>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RunControlPanel</name>
    <message>
        <source>Çalıştır</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Durdur</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Duraklat</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sonraki Adım</source>
        <translation>Next Step</translation>
    </message>
    <message>
        <source>gecikme</source>
        <translation>delay</translation>
    </message>
    <message>
        <source>Ekran</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Yığın</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>Değişkenler</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Load GUI</source>
        <translation>Load GUI</translation>
    </message>
</context>
<context>
    <name>VariablesModel</name>
    <message>
        <source>Son adımda değişti</source>
        <translation>Changed in the last step</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Uyarı: Bu program olduğu gibi, açık ya da örtük hiçbir garanti verilmeden sunulur; belirli bir amaca uygunluğu ve satılabilirliği dahil hiçbir konuda güvence verilmez. Programın kullanımından ya da kullanılamamasından doğan veri kaybı dahil hiçbir zarardan yazarları ve dağıtanları sorumlu tutulamaz. Programı kullanan bu koşulları kabul etmiş sayılır.</source>
        <translation>Warning: This program is provided as is, without any warranty, express or implied, including fitness for a particular purpose and merchantability. Its authors and distributors cannot be held liable for any damage, including loss of data, arising from the use of the program or the inability to use it. Whoever uses the program accepts these terms.</translation>
    </message>
    <message>
        <source>sürüm </source>
        <translation>version </translation>
    </message>
    <message>
        <source>web adresi:</source>
        <translation>web address:</translation>
    </message>
    <message>
        <source>kaynak kodu:</source>
        <translation>source code:</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sistem Bilgisi...</source>
        <translation>System Information...</translation>
    </message>
    <message>
        <source>Güncelleştirme Kontrolü!</source>
        <translation>Check for Updates!</translation>
    </message>
</context>
<context>
    <name>frmDlgAction</name>
    <message>
        <source>İşlem</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Atama</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <source>Aritmetik İşlemler</source>
        <translation>Arithmetic</translation>
    </message>
    <message>
        <source>String İşlemleri</source>
        <translation>String Operations</translation>
    </message>
    <message>
        <source>İşlenen 1</source>
        <translation>Operand 1</translation>
    </message>
    <message>
        <source>İşlenen 2</source>
        <translation>Operand 2</translation>
    </message>
    <message>
        <source>String 1</source>
        <translation>String 1</translation>
    </message>
    <message>
        <source>String 2</source>
        <translation>String 2</translation>
    </message>
    <message>
        <source>Değişken Adı:</source>
        <translation>Variable name:</translation>
    </message>
    <message>
        <source>Değer:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>işlem</source>
        <translation>operation</translation>
    </message>
    <message>
        <source>Sonuç değişkeni:</source>
        <translation>Result variable:</translation>
    </message>
    <message>
        <source>veritabanı:</source>
        <translation>database:</translation>
    </message>
    <message>
        <source>SQL kodu:</source>
        <translation>SQL code:</translation>
    </message>
</context>
<context>
    <name>frmDlgFunction</name>
    <message>
        <source>Fonksiyon</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Fonksiyon adı:</source>
        <translation>Function name:</translation>
    </message>
    <message>
        <source>Sonuç değişkeni:</source>
        <translation>Result variable:</translation>
    </message>
</context>
<context>
    <name>frmDlgGeneral</name>
    <message>
        <source>Genel Seçenekler</source>
        <translation>General Options</translation>
    </message>
    <message>
        <source>Yerel Değişkenler:</source>
        <translation>Local variables:</translation>
    </message>
    <message>
        <source>Örnek:   a,b,c </source>
        <translation>Example:   a,b,c </translation>
    </message>
    <message>
        <source>Yerel değişkenler aktif diyagram çalıştırılmadan önce yığına kaydedilir ve diyagramın çalışması sona erdiğinde geri yüklenirler.</source>
        <translation>Local variables are saved on the stack before the chart runs and restored when it ends.</translation>
    </message>
</context>
<context>
    <name>frmDlgIf</name>
    <message>
        <source>Karşılaştırma</source>
        <translation>Comparison</translation>
    </message>
</context>
<context>
    <name>frmDlgInput</name>
    <message>
        <source>Giriş</source>
        <translation>Input</translation>
    </message>
</context>
<context>
    <name>frmDlgOutput</name>
    <message>
        <source>Çıkış</source>
        <translation>Output</translation>
    </message>
</context>
<context>
    <name>frmDlgWindow</name>
    <message>
        <source>Pencere Düzenleyicisi</source>
        <translation>Window Designer</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 isminde %2 adet bileşen var.<byte value="xd"/>
Her nesnenin benzersiz ismi olmalıdır!</source>
        <translation>There are %2 objects named %1.<byte value="xd"/>
Every object must have a name of its own!</translation>
    </message>
</context>
<context>
    <name>frmJavaTest</name>
    <message>
        <source> !!!!!!!         dosya aynı klasörde yer alacak         !!!!!!!!    </source>
        <translation> !!!!!!!         the file will be in the same folder         !!!!!!!!    </translation>
    </message>
    <message>
        <source>GuiTest.java Dosyasını Oluştur</source>
        <translation>Create the GuiTest.java File</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nesne seçilideğil!</source>
        <translation>No object is selected!</translation>
    </message>
</context>
<context>
    <name>frmMakeExecutable</name>
    <message>
        <source>EXE Dosya Oluşturma</source>
        <translation>Make an Executable</translation>
    </message>
    <message>
        <source>Başlangıç diyagramını seçiniz:</source>
        <translation>Choose the start chart:</translation>
    </message>
    <message>
        <source>Gözat</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Oluştur</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Başlangıç Diyagramı</source>
        <translation>Start Chart</translation>
    </message>
    <message>
        <source>Varnel Projeleri (*.vnp);;Tüm Dosyalar (*)</source>
        <translation>Varnel Projects (*.vnp);;All Files (*)</translation>
    </message>
    <message>
        <source>EXE Dosyası</source>
        <translation>Executable File</translation>
    </message>
    <message>
        <source>Tüm Dosyalar (*)</source>
        <translation>All Files (*)</translation>
    </message>
</context>
<context>
    <name>frmScreen</name>
    <message>
        <source>Ekran</source>
        <translation>Screen</translation>
    </message>
</context>
<context>
    <name>frmSize</name>
    <message>
        <source>Boyut</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>genişlik:</source>
        <translation>width:</translation>
    </message>
    <message>
        <source>yükseklik:</source>
        <translation>height:</translation>
    </message>
</context>
<context>
    <name>frmStack</name>
    <message>
        <source>Yığın</source>
        <translation>Stack</translation>
    </message>
</context>
<context>
    <name>frmVars</name>
    <message>
        <source>Değişkenler</source>
        <translation>Variables</translation>
    </message>
</context>
<context>
    <name>frmWindow</name>
    <message>
        <source>Pencere</source>
        <translation>Window</translation>
    </message>
</context>
<context>
    <name>frm_mBox</name>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Uyarı</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>openURL</name>
    <message>
        <source>Sayfa açılamıyor: </source>
        <translation>Cannot open the page: </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="tr_TR">
<context>
    <name>BlockEditing</name>
    <message>
        <source>Düzenlenen nesne artık çizimde yok; değişiklik uygulanmadı.</source>
        <translation>The object being edited is no longer on the chart; the change was not applied.</translation>
    </message>
    <message>
        <source>Nesneyi Düzenle</source>
        <translation>Edit Object</translation>
    </message>
    <message>
        <source>Zemin Rengini Değiştir</source>
        <translation>Change Background Color</translation>
    </message>
    <message>
        <source>Yazı Rengini Değiştir</source>
        <translation>Change Text Color</translation>
    </message>
    <message>
        <source>Kenarlık Rengini Değiştir</source>
        <translation>Change Border Color</translation>
    </message>
    <message>
        <source>Boyutu Değiştir</source>
        <translation>Change Size</translation>
    </message>
</context>
<context>
    <name>ChartCode</name>
    <message>
        <source>Şemanın geçici kopyası yazılamadı; geçici klasörde yer kalmamış olabilir.</source>
        <translation>The chart&apos;s temporary copy could not be written; the temporary folder may be full.</translation>
    </message>
</context>
<context>
    <name>ChartDescriptions</name>
    <message>
        <source>Koşul bloğu</source>
        <translation>Condition block</translation>
    </message>
    <message>
        <source>Başla bloğu</source>
        <translation>Start block</translation>
    </message>
    <message>
        <source>Dur bloğu</source>
        <translation>Stop block</translation>
    </message>
    <message>
        <source>Giriş bloğu</source>
        <translation>Input block</translation>
    </message>
    <message>
        <source>Çıkış bloğu</source>
        <translation>Output block</translation>
    </message>
    <message>
        <source>Bağlantı noktası</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Fonksiyon bloğu</source>
        <translation>Function block</translation>
    </message>
    <message>
        <source>Pencere bloğu</source>
        <translation>Window block</translation>
    </message>
    <message>
        <source>İşlem bloğu</source>
        <translation>Action block</translation>
    </message>
    <message>
        <source>olmayan bir nesne (%1)</source>
        <translation>an object that does not exist (%1)</translation>
    </message>
    <message>
        <source>Sonra</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Çıkan çizgisi yok</source>
        <translation>No outgoing line</translation>
    </message>
    <message>
        <source>Çizgi</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Çizgi (%1)</source>
        <translation>Line (%1)</translation>
    </message>
</context>
<context>
    <name>ChartEditor</name>
    <message>
        <source>Geri Al</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Yinele</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Nesne Ekle</source>
        <translation>Add Object</translation>
    </message>
    <message>
        <source>Bağla</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Çizgiye Açıklama Ekle</source>
        <translation>Add Line Caption</translation>
    </message>
    <message>
        <source>Çizgi Sil</source>
        <translation>Delete Line</translation>
    </message>
    <message>
        <source>Nesne Sil</source>
        <translation>Delete Object</translation>
    </message>
    <message>
        <source>Açıklamayı giriniz</source>
        <translation>Enter the caption</translation>
    </message>
    <message>
        <source>Nesneleri Sil</source>
        <translation>Delete Objects</translation>
    </message>
    <message>
        <source>Taşı</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Yapıştır</source>
        <translation>Paste</translation>
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
    <name>ChartWords</name>
    <message>
        <source>EVET</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>HAYIR</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>başla</source>
        <translation>start</translation>
    </message>
    <message>
        <source>dur</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>giriş</source>
        <translation>input</translation>
    </message>
    <message>
        <source>çıkış</source>
        <translation>output</translation>
    </message>
    <message>
        <source>pencere</source>
        <translation>window</translation>
    </message>
</context>
<context>
    <name>CheckedFileWriter</name>
    <message>
        <source>%1: %2, dosya değil</source>
        <translation>%1: %2, not a file</translation>
    </message>
</context>
<context>
    <name>CodeCommand</name>
    <message>
        <source>--locale bir değer bekliyor.</source>
        <translation>--locale expects a value.</translation>
    </message>
    <message>
        <source>Kullanım: varnel-run --code python|c|java ÇIKTI DOSYA.vnp [--locale AD]</source>
        <translation>Usage: varnel-run --code python|c|java OUTPUT FILE.vnp [--locale NAME]</translation>
    </message>
    <message>
        <source>--code python, c ya da java bekliyor: </source>
        <translation>--code expects python, c or java: </translation>
    </message>
    <message>
        <source>Kod yazılamadı: </source>
        <translation>The code could not be written: </translation>
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
    <name>CodeExport</name>
    <message>
        <source>Nesne: %1 - PENCERE bloğu koda aktarılamaz: pencereler yalnızca masaüstü programında açılabilir.</source>
        <translation>Object: %1 - a WINDOW block cannot be exported as code: windows can be opened only in the desktop program.</translation>
    </message>
    <message>
        <source>Nesne: %1 - pencere nesnesi ataması (%2 = %3) koda aktarılamaz: pencereler yalnızca masaüstü programında açılabilir.</source>
        <translation>Object: %1 - a window object assignment (%2 = %3) cannot be exported as code: windows can be opened only in the desktop program.</translation>
    </message>
    <message>
        <source>Dosya bulunamadı: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Açma hatası: %1</source>
        <translation>Error opening: %1</translation>
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
    <message>
        <source>Kaydet...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>&amp;Dil:</source>
        <translation>&amp;Language:</translation>
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
    <name>DebugCommands</name>
    <message>
        <source>Kesme Noktası Koşulu</source>
        <translation>Breakpoint Condition</translation>
    </message>
    <message>
        <source>Blok %1 yalnızca bu koşul doğruysa durdursun (örneğin i = 50; boş: her zaman):</source>
        <translation>Block %1 stops only when this condition holds (for example i = 50; empty: always):</translation>
    </message>
</context>
<context>
    <name>DrawingSurface</name>
    <message>
        <source>Yakınlaştır</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Uzaklaştır</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Gerçek Boyut</source>
        <translation>Actual Size</translation>
    </message>
</context>
<context>
    <name>EmptySurfaceHint</name>
    <message>
        <source>İlk bloğu yerleştirmek için soldaki araçlardan birini seçip buraya tıklayın.
Yeni bir program için: Dosya &gt; Yeni</source>
        <translation>To place the first block, choose one of the tools on the left and click here.
For a new program: File &gt; New</translation>
    </message>
</context>
<context>
    <name>ExampleCatalog</name>
    <message>
        <source>Örnek açılırken hata oluştu: </source>
        <translation>An error occurred while opening the example: </translation>
    </message>
    <message>
        <source>Faktöriyel Hesabı (Yinelemeli)</source>
        <translation>Factorial (Recursive)</translation>
    </message>
    <message>
        <source>Faktöriyel Hesabı (Döngü)</source>
        <translation>Factorial (Loop)</translation>
    </message>
    <message>
        <source>Üs Hesabı (Yinelemeli)</source>
        <translation>Power (Recursive)</translation>
    </message>
    <message>
        <source>Basit Pencere ve Yazı</source>
        <translation>Simple Window and Text</translation>
    </message>
    <message>
        <source>Web için Basit bir &quot;Image-Map&quot; Uygulaması</source>
        <translation>A Simple &quot;Image Map&quot; Application for the Web</translation>
    </message>
    <message>
        <source>Resim ve Çizim Penceresi</source>
        <translation>Picture and Drawing Window</translation>
    </message>
    <message>
        <source>Merhaba Dünya</source>
        <translation>Hello World</translation>
    </message>
    <message>
        <source>String Karşılaştırma</source>
        <translation>String Comparison</translation>
    </message>
    <message>
        <source>Şartlı Dallanma</source>
        <translation>Conditional Branch</translation>
    </message>
    <message>
        <source>String Birleştirme</source>
        <translation>String Concatenation</translation>
    </message>
    <message>
        <source>Basit Döngü 1</source>
        <translation>Simple Loop 1</translation>
    </message>
    <message>
        <source>Basit Döngü 2</source>
        <translation>Simple Loop 2</translation>
    </message>
    <message>
        <source>Fonksiyon Çağırma</source>
        <translation>Calling a Function</translation>
    </message>
    <message>
        <source>Ekran Kaydırma Testi</source>
        <translation>Screen Scrolling Test</translation>
    </message>
    <message>
        <source>Temel SQL testi</source>
        <translation>Basic SQL Test</translation>
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
    <name>ExerciseReader</name>
    <message>
        <source>%1, alıştırma dosyası değil</source>
        <translation>%1, not an exercise file</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Yetersiz bellek</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Aygıt G/Ç hatası</source>
        <translation>Device I/O error</translation>
    </message>
    <message>
        <source>Disk dolu</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>İzin verilmedi</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Yol bulunamadı</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <source>Yol/Dosya erişim hatası</source>
        <translation>Path/File access error</translation>
    </message>
    <message>
        <source>%1 Dosyası<byte value="xd"/>
Bulunamadı</source>
        <translation>File %1<byte value="xd"/>
Not Found</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>bir klasör</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>bir adlandırılmış boru (FIFO)</source>
        <translation>a named pipe (FIFO)</translation>
    </message>
    <message>
        <source>bir soket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>bir aygıt</source>
        <translation>a device</translation>
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
    <name>GradeCommand</name>
    <message>
        <source>Kullanım: varnel-run --grade ALIŞTIRMA.vnx [--jobs N] [--report RAPOR.csv|RAPOR.json|RAPOR.xml]
                     ŞEMA.vnp|KLASÖR...
  Her şemayı alıştırmanın bütün testleriyle sınar; klasör, içindeki .vnp dosyaları demektir.
  --jobs N       aynı anda sınanan şema sayısı; varsayılan işlemci sayısı
  --report RAPOR sonuçları CSV, JSON ya da JUnit XML olarak yazar (biçimi uzantısı seçer)
Çıkış durumu: 0 her şema sınandı, 1 bir şema okunamadı ya da rapor yazılamadı,
2 alıştırma dosyası ya da bağımsız değişkenler yanlış.
</source>
        <translation>Usage: varnel-run --grade EXERCISE.vnx [--jobs N] [--report REPORT.csv|REPORT.json|REPORT.xml]
                     CHART.vnp|FOLDER...
  Tests every chart with all the exercise&apos;s tests; a folder means the .vnp files in it.
  --jobs N        number of charts tested at once; the number of processors by default
  --report REPORT writes the results as CSV, JSON or JUnit XML (the extension picks the format)
Exit status: 0 every chart was tested, 1 a chart could not be read or the report could not be written,
2 the exercise file or the arguments are wrong.
</translation>
    </message>
    <message>
        <source> bir değer bekliyor.</source>
        <translation> expects a value.</translation>
    </message>
    <message>
        <source>--jobs 1 ile 1024 arasında bir tam sayı bekliyor: </source>
        <translation>--jobs expects a whole number from 1 to 1024: </translation>
    </message>
    <message>
        <source>Bilinmeyen seçenek: </source>
        <translation>Unknown option: </translation>
    </message>
    <message>
        <source>Bir alıştırma dosyası ve en az bir şema ya da klasör verilmeli.</source>
        <translation>Give an exercise file and at least one chart or folder.</translation>
    </message>
    <message>
        <source>--report dosyasının uzantısı .csv, .json ya da .xml olmalı: </source>
        <translation>The --report file must end in .csv, .json or .xml: </translation>
    </message>
    <message>
        <source>Raporun yazılacağı klasör yok: </source>
        <translation>The report&apos;s folder does not exist: </translation>
    </message>
    <message>
        <source>Sınıf toplamı: </source>
        <translation>Class total: </translation>
    </message>
    <message>
        <source> test geçti; bütün testleri geçen şema: </source>
        <translation> tests passed; charts that passed every test: </translation>
    </message>
    <message>
        <source>Rapor yazılamadı: </source>
        <translation>The report could not be written: </translation>
    </message>
</context>
<context>
    <name>GradeWorkerProcess</name>
    <message>
        <source>Sınama süreci başlatılamadı: </source>
        <translation>The testing process could not be started: </translation>
    </message>
    <message>
        <source>Sınama süreci alıştırma dosyasını okuyamadı.</source>
        <translation>The testing process could not read the exercise file.</translation>
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
    <name>LayoutCommand</name>
    <message>
        <source>Otomatik Yerleştir</source>
        <translation>Auto Layout</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>Dosya</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Yeni</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Yeni bir akış şeması başlatır</source>
        <translation>Starts a new flowchart</translation>
    </message>
    <message>
        <source>Aç...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Kayıtlı bir akış şemasını açar</source>
        <translation>Opens a saved flowchart</translation>
    </message>
    <message>
        <source>Son Açılanlar</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Örnekler</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Alıştırma Aç...</source>
        <translation>Open Exercise...</translation>
    </message>
    <message>
        <source>Bir alıştırmayı şemanın yanındaki panelde açar</source>
        <translation>Opens an exercise in the panel beside the chart</translation>
    </message>
    <message>
        <source>Kontrol Et</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Şemayı alıştırmanın bütün testleriyle çalıştırır; hiçbir şey kaydedilmez</source>
        <translation>Runs the chart with all the exercise&apos;s tests; nothing is saved</translation>
    </message>
    <message>
        <source>Alıştırma Düzenleyici...</source>
        <translation>Exercise Editor...</translation>
    </message>
    <message>
        <source>Yeni bir alıştırma dosyası yazar ya da açık alıştırmayı düzenler</source>
        <translation>Writes a new exercise file or edits the open exercise</translation>
    </message>
    <message>
        <source>EXE Yap...</source>
        <translation>Make Executable...</translation>
    </message>
    <message>
        <source>Akış şemasını tek başına çalışan bir program yapar</source>
        <translation>Makes the flowchart a program that runs on its own</translation>
    </message>
    <message>
        <source>Kaydet</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Akış şemasını kaydeder</source>
        <translation>Saves the flowchart</translation>
    </message>
    <message>
        <source>Farklı Kaydet...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Akış şemasını başka bir adla kaydeder</source>
        <translation>Saves the flowchart under another name</translation>
    </message>
    <message>
        <source>Kod Olarak Dışa Aktar...</source>
        <translation>Export as Code...</translation>
    </message>
    <message>
        <source>Şemayı ve çağırdığı şemaları Python, C ya da Java programı olarak kaydeder</source>
        <translation>Saves the chart and the charts it calls as a Python, C or Java program</translation>
    </message>
    <message>
        <source>Kod Görünümü</source>
        <translation>Code View</translation>
    </message>
    <message>
        <source>Şemanın Python kodunu şemanın yanındaki panelde gösterir</source>
        <translation>Shows the chart&apos;s Python code in the panel beside the chart</translation>
    </message>
    <message>
        <source>Resim Olarak Kaydet...</source>
        <translation>Save as Image...</translation>
    </message>
    <message>
        <source>Akış şemasını PNG, SVG ya da PDF dosyası olarak kaydeder</source>
        <translation>Saves the flowchart as a PNG, SVG or PDF file</translation>
    </message>
    <message>
        <source>Yazdır...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Akış şemasını yazdırır</source>
        <translation>Prints the flowchart</translation>
    </message>
    <message>
        <source>Resimde Kesme Noktalarını Göster</source>
        <translation>Show Breakpoints in Pictures</translation>
    </message>
    <message>
        <source>Kaydedilen resimlerde ve yazdırılan sayfalarda kesme noktalarını kırmızı noktalarla gösterir</source>
        <translation>Shows the breakpoints as red dots in saved pictures and printed pages</translation>
    </message>
    <message>
        <source>Çıkış</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Programı kapatır</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>Düzen</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Zemin Rengini Değiştir</source>
        <translation>Change Background Color</translation>
    </message>
    <message>
        <source>Seçili nesnenin zemin rengini değiştirir</source>
        <translation>Changes the selected object&apos;s background color</translation>
    </message>
    <message>
        <source>Yazı Rengini Değiştir</source>
        <translation>Change Text Color</translation>
    </message>
    <message>
        <source>Seçili nesnenin yazı rengini değiştirir</source>
        <translation>Changes the selected object&apos;s text color</translation>
    </message>
    <message>
        <source>Kenarlık Rengini Değiştir</source>
        <translation>Change Border Color</translation>
    </message>
    <message>
        <source>Seçili nesnenin kenarlık rengini değiştirir</source>
        <translation>Changes the selected object&apos;s border color</translation>
    </message>
    <message>
        <source>Boyutu Değiştir</source>
        <translation>Change Size</translation>
    </message>
    <message>
        <source>Seçili nesnenin boyutunu değiştirir</source>
        <translation>Changes the selected object&apos;s size</translation>
    </message>
    <message>
        <source>Çizgiye Açıklama Ekle</source>
        <translation>Add Line Caption</translation>
    </message>
    <message>
        <source>Seçili iki nesnenin arasındaki çizgiye açıklama yazar</source>
        <translation>Writes a caption on the line between the two selected objects</translation>
    </message>
    <message>
        <source>Otomatik Yerleştir</source>
        <translation>Auto Layout</translation>
    </message>
    <message>
        <source>Akış şemasını yukarıdan aşağıya yeniden yerleştirir; koşulların EVET ve HAYIR kolları yan yana gelir</source>
        <translation>Lays the flowchart out again from top to bottom; the YES and NO branches of conditions come side by side</translation>
    </message>
    <message>
        <source>Izgaraya Hizala</source>
        <translation>Snap to Grid</translation>
    </message>
    <message>
        <source>Taşınan nesneler 10 piksellik ızgaraya oturur</source>
        <translation>Moved objects snap to a 10-pixel grid</translation>
    </message>
    <message>
        <source>Kes</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Seçili nesneleri çizgileriyle birlikte panoya taşır</source>
        <translation>Moves the selected objects with their lines to the clipboard</translation>
    </message>
    <message>
        <source>Kopyala</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Seçili nesneleri ve aralarındaki çizgileri panoya kopyalar</source>
        <translation>Copies the selected objects and the lines between them to the clipboard</translation>
    </message>
    <message>
        <source>Yapıştır</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Panodaki nesneleri yeni etiketlerle çizime ekler</source>
        <translation>Adds the objects on the clipboard to the chart with new tags</translation>
    </message>
    <message>
        <source>Tümünü Seç</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Çizimdeki bütün nesneleri seçer</source>
        <translation>Selects every object on the chart</translation>
    </message>
    <message>
        <source>Arkasına Nesne Ekle...</source>
        <translation>Insert Object After...</translation>
    </message>
    <message>
        <source>Seçili nesnenin arkasına, çıkan çizgisinin üstüne yeni bir nesne ekler</source>
        <translation>Adds a new object after the selected object, on its outgoing line</translation>
    </message>
    <message>
        <source>Sil</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Çizgi Sil</source>
        <translation>Delete Line</translation>
    </message>
    <message>
        <source>Seçili iki nesnenin arasındaki çizgiyi siler</source>
        <translation>Deletes the line between the two selected objects</translation>
    </message>
    <message>
        <source>Nesne Sil</source>
        <translation>Delete Object</translation>
    </message>
    <message>
        <source>Seçili çizgiyi ya da seçili nesneleri siler</source>
        <translation>Deletes the selected line or the selected objects</translation>
    </message>
    <message>
        <source>Çalıştır</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Programı baştan çalıştırır</source>
        <translation>Runs the program from the beginning</translation>
    </message>
    <message>
        <source>Durdur</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Programı durdurur</source>
        <translation>Stops the program</translation>
    </message>
    <message>
        <source>Duraklat</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Programı o anki blokta bekletir ya da devam ettirir</source>
        <translation>Holds the program at the current block or lets it go on</translation>
    </message>
    <message>
        <source>Sonraki Adım</source>
        <translation>Next Step</translation>
    </message>
    <message>
        <source>Duraklatılmış programı kaldığı yerden devam ettirir</source>
        <translation>Lets the paused program go on from where it stopped</translation>
    </message>
    <message>
        <source>Gecikme</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Hızlı (0 ms)</source>
        <translation>Fast (0 ms)</translation>
    </message>
    <message>
        <source>Program bloklar arasında beklemeden çalışır</source>
        <translation>The program runs without waiting between blocks</translation>
    </message>
    <message>
        <source>Yavaş (500 ms)</source>
        <translation>Slow (500 ms)</translation>
    </message>
    <message>
        <source>Her bloktan sonra yarım saniye beklenir</source>
        <translation>Waits half a second after each block</translation>
    </message>
    <message>
        <source>Adım Adım</source>
        <translation>Step by Step</translation>
    </message>
    <message>
        <source>Her bloktan sonra program duraklar</source>
        <translation>The program pauses after each block</translation>
    </message>
    <message>
        <source>Kesme Noktası</source>
        <translation>Breakpoint</translation>
    </message>
    <message>
        <source>Seçili blokta kesme noktası koyar ya da kaldırır</source>
        <translation>Sets or removes a breakpoint on the selected block</translation>
    </message>
    <message>
        <source>Kesme Noktası Koşulu...</source>
        <translation>Breakpoint Condition...</translation>
    </message>
    <message>
        <source>Seçili bloktaki kesme noktası yalnızca bir koşul doğruysa durdurur</source>
        <translation>The breakpoint on the selected block stops only when a condition holds</translation>
    </message>
    <message>
        <source>Tüm Kesme Noktalarını Kaldır</source>
        <translation>Clear All Breakpoints</translation>
    </message>
    <message>
        <source>Bütün şemalardaki kesme noktalarını siler</source>
        <translation>Deletes the breakpoints of every chart</translation>
    </message>
    <message>
        <source>İçine Adım</source>
        <translation>Step Into</translation>
    </message>
    <message>
        <source>Bir blok yürütür; çağrılan şemanın içine girer</source>
        <translation>Runs one block; goes into a called chart</translation>
    </message>
    <message>
        <source>Üstünden Adım</source>
        <translation>Step Over</translation>
    </message>
    <message>
        <source>Bir blok yürütür; bir çağrıyı bütünüyle yürütür</source>
        <translation>Runs one block; runs a call as a whole</translation>
    </message>
    <message>
        <source>Dışına Adım</source>
        <translation>Step Out</translation>
    </message>
    <message>
        <source>İçinde bulunulan şema dönene kadar çalışır</source>
        <translation>Runs until the current chart returns</translation>
    </message>
    <message>
        <source>Geri Adım</source>
        <translation>Step Back</translation>
    </message>
    <message>
        <source>Son yürütülen bloğu geri alır</source>
        <translation>Undoes the last block run</translation>
    </message>
    <message>
        <source>Buraya Kadar Çalıştır</source>
        <translation>Run to Here</translation>
    </message>
    <message>
        <source>Program seçili bloğa gelince duraklar</source>
        <translation>The program pauses when it reaches the selected block</translation>
    </message>
    <message>
        <source>Çalışma Sayıları</source>
        <translation>Execution Counts</translation>
    </message>
    <message>
        <source>Her bloğun ve koşul çizgisinin kaç kez çalıştığını gösterir</source>
        <translation>Shows how many times each block and condition line ran</translation>
    </message>
    <message>
        <source>Yardım</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Kullanım Kılavuzu</source>
        <translation>Handbook</translation>
    </message>
    <message>
        <source>Seçili nesnenin kılavuzdaki açıklamasını açar</source>
        <translation>Opens the selected object&apos;s explanation in the handbook</translation>
    </message>
    <message>
        <source>Yardım Konuları</source>
        <translation>Help Topics</translation>
    </message>
    <message>
        <source>Yardım sayfasını tarayıcıda açar</source>
        <translation>Opens the help page in the browser</translation>
    </message>
    <message>
        <source>Program Hakkında</source>
        <translation>About the Program</translation>
    </message>
    <message>
        <source>Program hakkında bilgi verir</source>
        <translation>Tells about the program</translation>
    </message>
    <message>
        <source>Bağla</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Seçili iki nesneyi bir çizgiyle bağlar</source>
        <translation>Connects the two selected objects with a line</translation>
    </message>
    <message>
        <source>Düzenle</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Seçili nesnenin özelliklerini düzenler</source>
        <translation>Edits the selected object&apos;s properties</translation>
    </message>
    <message>
        <source>Programın hangi dilde açılacağını seçer</source>
        <translation>Chooses the language the program opens in</translation>
    </message>
    <message>
        <source>Program bir sonraki açılışta Türkçe açılır</source>
        <translation>The program opens in Turkish from its next start on</translation>
    </message>
    <message>
        <source>Program bir sonraki açılışta İngilizce açılır</source>
        <translation>The program opens in English from its next start on</translation>
    </message>
</context>
<context>
    <name>MainStatusBar</name>
    <message>
        <source>%%1</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Şartlı Dallanma</source>
        <translation>Conditional Branch</translation>
    </message>
    <message>
        <source>Yakınlaştırma</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Yakınlaştırma düzeyi</source>
        <translation>Zoom level</translation>
    </message>
    <message>
        <source>Seçili blok yok</source>
        <translation>No block selected</translation>
    </message>
    <message>
        <source>%1: yerleştirmek için çizim alanında bir yere tıklayın; vazgeçmek için araç sütununun boş yerine tıklayın.</source>
        <translation>%1: click on the drawing area to place it; click an empty part of the tool column to give up.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Fonksiyon yüklenemiyor: %1</source>
        <translation>Cannot load the function: %1</translation>
    </message>
    <message>
        <source>Kesme noktası koşulu okunamadı: %1<byte value="xd"/>
Koşul, bir koşul bloğu gibi yazılır: i = 50</source>
        <translation>The breakpoint condition cannot be read: %1<byte value="xd"/>
A condition is written as in a conditional branch block: i = 50</translation>
    </message>
    <message>
        <source>YIĞIN TAŞMASI!</source>
        <translation>STACK OVERFLOW!</translation>
    </message>
    <message>
        <source>YIĞIN BOŞ!</source>
        <translation>STACK EMPTY!</translation>
    </message>
    <message>
        <source>Kesme noktasının koşulu değerlendirilemedi (%1: %2): %3</source>
        <translation>The breakpoint condition cannot be evaluated (%1: %2): %3</translation>
    </message>
    <message>
        <source>Fonksiyon bağlı değil!</source>
        <translation>The function is not connected!</translation>
    </message>
    <message>
        <source>Yanlış fonksiyon çağrısı - parametreler yığından okunamıyor.</source>
        <translation>Wrong function call - the parameters cannot be read from the stack.</translation>
    </message>
    <message>
        <source>Çağıran fonksiyona dönülemiyor<byte value="xd"/>
Yığın dönüş için yanlış CS bilgisi içeriyor: %1</source>
        <translation>Cannot return to the calling function<byte value="xd"/>
The stack holds wrong CS information for the return: %1</translation>
    </message>
    <message>
        <source>Çağıran fonksiyona dönülemiyor<byte value="xd"/>
Yığın dönüş için yanlış IP bilgisi içeriyor: %1</source>
        <translation>Cannot return to the calling function<byte value="xd"/>
The stack holds wrong IP information for the return: %1</translation>
    </message>
    <message>
        <source>timerRunner_Timer(). YAKALANAN HATA: <byte value="xd"/>
Kaynak: %1<byte value="xd"/>
Açıklama: %2<byte value="xd"/>
Hata numarası: %3</source>
        <translation>timerRunner_Timer(). CAUGHT ERROR: <byte value="xd"/>
Source: %1<byte value="xd"/>
Description: %2<byte value="xd"/>
Error number: %3</translation>
    </message>
    <message>
        <source>Beklenmeyen hata</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Çalıştırma sınırı aşıldı: program %1 bloktan fazlasını çalıştırdı.</source>
        <translation>Run limit reached: the program ran more than %1 blocks.</translation>
    </message>
    <message>
        <source>SQL artık desteklenmiyor! Üzgünüz! Sorularınız için e-posta adresi: %1!</source>
        <translation>SQL is no longer supported! Sorry! For your questions, write to: %1!</translation>
    </message>
    <message>
        <source>timerRunner_Timer(). BİLİNMEYEN İŞLEM!: %1</source>
        <translation>timerRunner_Timer(). UNKNOWN OPERATION!: %1</translation>
    </message>
    <message>
        <source>Bu işlem pencerenin<byte value="xd"/>
açık olmasını gerektiriyor!</source>
        <translation>This operation needs the window<byte value="xd"/>
to be open!</translation>
    </message>
    <message>
        <source>Nesne: %1 - BAĞLI DEĞİL!</source>
        <translation>Object: %1 - NOT CONNECTED!</translation>
    </message>
    <message>
        <source>Nesne: %1 - %2 ile bağlı değil.</source>
        <translation>Object: %1 - not connected with %2.</translation>
    </message>
    <message>
        <source>Nesne: %1 - bulunamadı!</source>
        <translation>Object: %1 - not found!</translation>
    </message>
    <message>
        <source>Geri alınacak adım yok.</source>
        <translation>No step left to undo.</translation>
    </message>
    <message>
        <source>Geri Adım burada durur: gösterilen bir pencere geri alınamaz.</source>
        <translation>Step Back stops here: a window that was shown cannot be taken back.</translation>
    </message>
    <message>
        <source>Yetersiz bellek</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Değişken: %1 - tanımlanmamış!</source>
        <translation>Variable: %1 - not defined!</translation>
    </message>
    <message>
        <source>Koleksiyonda böyle bir öğe yok</source>
        <translation>No such item in the collection</translation>
    </message>
    <message>
        <source>Bu anahtar koleksiyonda zaten var: %1</source>
        <translation>This key is already in the collection: %1</translation>
    </message>
    <message>
        <source>Bağlı nesneler silinemez.</source>
        <translation>Connected objects cannot be deleted.</translation>
    </message>
    <message>
        <source>Satır #%1 da yanlış FROM</source>
        <translation>Wrong FROM in line #%1</translation>
    </message>
    <message>
        <source>Satır #%1 da yanlış TO</source>
        <translation>Wrong TO in line #%1</translation>
    </message>
    <message>
        <source>Shape özelliğinde yanlış ayar var: %1</source>
        <translation>Wrong setting in the Shape property: %1</translation>
    </message>
    <message>
        <source>Nesne değişkeni ayarlanmamış</source>
        <translation>Object variable not set</translation>
    </message>
    <message>
        <source>Otomatik yerleştirme yapılamadı: %1</source>
        <translation>Auto Layout failed: %1</translation>
    </message>
    <message>
        <source>Nesne seçilmemiş!</source>
        <translation>No object selected!</translation>
    </message>
    <message>
        <source>%1 düzenlenemez!</source>
        <translation>%1 cannot be edited!</translation>
    </message>
    <message>
        <source>Bu fonksiyon için henüz düzenleme desteği yok: %1. üzgünüz</source>
        <translation>There is no editing support for this function yet: %1. sorry</translation>
    </message>
    <message>
        <source>İki nesne seçilmelidir!</source>
        <translation>Two objects must be selected!</translation>
    </message>
    <message>
        <source>Zaten bağlı!</source>
        <translation>Already connected!</translation>
    </message>
    <message>
        <source>Bağlantı yapılamıyor!!!!</source>
        <translation>Cannot connect!!!!</translation>
    </message>
    <message>
        <source>Alt simge aralık dışında</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>Hangi okun silineceğine karar verilemiyor.</source>
        <translation>Cannot decide which arrow to delete.</translation>
    </message>
    <message>
        <source>Taşma</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Tür uyuşmazlığı</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Sıfıra bölme</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Geçersiz yordam çağrısı veya bağımsız değişken</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Nesne: %1 - pencereler yalnızca masaüstü programında açılabilir.</source>
        <translation>Object: %1 - windows can be opened only in the desktop program.</translation>
    </message>
    <message>
        <source>Blok %1: %2</source>
        <translation>Block %1: %2</translation>
    </message>
    <message>
        <source>Bu Bir Flow Chart Dosyası Değil!</source>
        <translation>This Is Not a Flowchart File!</translation>
    </message>
    <message>
        <source>Açma hatası: %1<byte value="xd"/>
%2</source>
        <translation>Error opening: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Nesne bu özelliği desteklemiyor</source>
        <translation>The object does not support this property</translation>
    </message>
    <message>
        <source>Nesneden nesneye atama henüz desteklenmiyor!</source>
        <translation>Assigning an object to an object is not supported yet!</translation>
    </message>
    <message>
        <source>İşlem yapılamıyor: %1 = %2<byte value="xd"/>
%3 nesnesi<byte value="xd"/>
aktif pencerede bulunamadı.</source>
        <translation>Cannot perform the operation: %1 = %2<byte value="xd"/>
The object %3<byte value="xd"/>
was not found in the active window.</translation>
    </message>
    <message>
        <source>Nesne tanımında hata: <byte value="xd"/>
%1 = %2<byte value="xd"/>
%3</source>
        <translation>Error in an object&apos;s definition: <byte value="xd"/>
%1 = %2<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>İşlem yapılamıyor: %1 = %2<byte value="xd"/>
Bu pencerenin özelliği<byte value="xd"/>
okumaya müsait değil!</source>
        <translation>Cannot perform the operation: %1 = %2<byte value="xd"/>
This property of the window<byte value="xd"/>
cannot be read!</translation>
    </message>
    <message>
        <source>İşlem yapılamıyor: %1 = %2<byte value="xd"/>
Özellik okumaya müsait değil!</source>
        <translation>Cannot perform the operation: %1 = %2<byte value="xd"/>
The property cannot be read!</translation>
    </message>
    <message>
        <source>İşlem yapılamıyor: %1 = %2<byte value="xd"/>
Özellik bulunamadı!</source>
        <translation>Cannot perform the operation: %1 = %2<byte value="xd"/>
Property not found!</translation>
    </message>
    <message>
        <source>Pencere açılamıyor:<byte value="xd"/>
tanımında %1 nesne var, en fazla %2 olabilir.</source>
        <translation>Cannot open the window:<byte value="xd"/>
its definition has %1 objects, at most %2 are allowed.</translation>
    </message>
</context>
<context>
    <name>MessageVariableDialog</name>
    <message>
        <source>Değişken Adı:</source>
        <translation>Variable name:</translation>
    </message>
    <message>
        <source>Mesaj:</source>
        <translation>Message:</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>SAVE_FILE işleminde hata: </source>
        <translation>Error while saving the file: </translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>Yeni proje şablonu bulunamadı: </source>
        <translation>The new project template was not found: </translation>
    </message>
    <message>
        <source>Proje kaydedilemedi: </source>
        <translation>The project could not be saved: </translation>
    </message>
    <message>
        <source>Önce şu anki işlemi durdurun!</source>
        <translation>Stop the current run first!</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Dosyanın önceki hâli olduğu gibi duruyor; değişiklikler henüz kaydedilmedi.</source>
        <translation><byte value="xd"/>
The file&apos;s earlier version is as it was; the changes are not saved yet.</translation>
    </message>
</context>
<context>
    <name>ProjectFileWriter</name>
    <message>
        <source>Proje UTF-8 olarak kaydedildi:<byte value="xd"/>
%1 (%2) Windows-1254 ile saklanamıyor.</source>
        <translation>The project was saved as UTF-8:<byte value="xd"/>
%1 (%2) cannot be stored in Windows-1254.</translation>
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
    <name>QtProjectDialogs</name>
    <message>
        <source>Varnel Projeleri (*.vnp);;Tüm Dosyalar (*)</source>
        <translation>Varnel Projects (*.vnp);;All Files (*)</translation>
    </message>
    <message>
        <source>Aç</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Farklı Kaydet</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>RecentMenu</name>
    <message>
        <source>Listeyi Temizle</source>
        <translation>Clear the List</translation>
    </message>
</context>
<context>
    <name>RecentProjects</name>
    <message>
        <source>Dosya bulunamadı, Son Açılanlar listesinden çıkarıldı: </source>
        <translation>The file was not found and was removed from the Recent list: </translation>
    </message>
</context>
<context>
    <name>RecoveryCommands</name>
    <message>
        <source>Kurtarma kopyası yazılamadı: </source>
        <translation>The recovery copy could not be written: </translation>
    </message>
    <message>
        <source>Kurtarma kopyası açılamadı: </source>
        <translation>The recovery copy could not be opened: </translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>Klasör oluşturulamadı: </source>
        <translation>The folder could not be created: </translation>
    </message>
    <message>
        <source>Kilit dosyası oluşturulamadı: </source>
        <translation>The lock file could not be created: </translation>
    </message>
    <message>
        <source>Kurtarma</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Adsız</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Kaydedilmemiş değişiklikler bulundu!<byte value="xd"/>
<byte value="xd"/>
Varnel son kez beklenmedik biçimde kapandığında %1 projesinde kaydedilmemiş değişiklikler vardı (kurtarma kopyası: %2).<byte value="xd"/>
<byte value="xd"/>
Bu değişiklikler geri yüklensin mi? &quot;Hayır&quot; derseniz kurtarma kopyası silinir.</source>
        <translation>Unsaved changes were found!<byte value="xd"/>
<byte value="xd"/>
When Varnel last closed unexpectedly, the project %1 had unsaved changes (recovery copy: %2).<byte value="xd"/>
<byte value="xd"/>
Restore these changes? If you answer &quot;No&quot;, the recovery copy is deleted.</translation>
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
    <name>RunnerMain</name>
    <message>
        <source>Kullanım: varnel-run [--locale AD] [--max-blocks N] [--counts SAYILAR.csv] [--trace İZ.txt] DOSYA.vnp
          varnel-run --render RESİM.png|RESİM.svg|RESİM.pdf DOSYA.vnp
          varnel-run --code python|c|java ÇIKTI DOSYA.vnp [--locale AD]
          varnel-run --grade ALIŞTIRMA.vnx [--jobs N] [--report RAPOR] ŞEMA.vnp|KLASÖR...
  Akış şemasını terminalde çalıştırır: ÇIKIŞ satırları standart çıktıya,
  GİRİŞ satırları standart girdiden, iletiler standart hataya.
  --locale AD       bölgesel ayarlar (örneğin tr_TR); varsayılan ortamınki
  --max-blocks N    N bloktan fazlasını çalıştıran programı durdurur
  --counts DOSYA    her bloğun kaç kez çalıştığını DOSYA&apos;ya CSV olarak yazar
  --trace DOSYA     çalışan her blok için DOSYA&apos;ya bir satır yazar
  --render RESİM    şemayı çalıştırmaz, resmini RESİM dosyasına çizer;
                    biçimi uzantısı seçer (PNG, SVG ya da tek sayfa PDF)
Çıkış durumu: 0 program sonuna ulaştı (ya da resim yazıldı), 1 program bir
hatayla ya da başka bir nedenle durdu, 2 dosya yüklenemedi, resim, sayılar ya da
iz dosyası yazılamadı ya da bağımsız değişkenler yanlış.
</source>
        <translation>Usage: varnel-run [--locale NAME] [--max-blocks N] [--counts COUNTS.csv] [--trace TRACE.txt] FILE.vnp
       varnel-run --render IMAGE.png|IMAGE.svg|IMAGE.pdf FILE.vnp
       varnel-run --code python|c|java OUTPUT FILE.vnp [--locale NAME]
       varnel-run --grade EXERCISE.vnx [--jobs N] [--report REPORT] CHART.vnp|FOLDER...
  Runs the flowchart in the terminal: OUTPUT lines to standard output,
  INPUT lines from standard input, messages to standard error.
  --locale NAME     regional settings (for example en_US); the environment&apos;s by default
  --max-blocks N    stops a program that runs more than N blocks
  --counts FILE     writes how many times each block ran to FILE as CSV
  --trace FILE      writes a line to FILE for every block that runs
  --render IMAGE    does not run the chart but draws it into the IMAGE file;
                    the extension picks the format (PNG, SVG or one-page PDF)
  --lang en         the runner&apos;s own texts in English
Exit status: 0 the program reached its end (or the image was written), 1 the program
stopped with an error or for another reason, 2 the file could not be loaded, the image,
the counts or the trace file could not be written, or the arguments are wrong.
</translation>
    </message>
    <message>
        <source>Bilinmeyen seçenek: </source>
        <translation>Unknown option: </translation>
    </message>
    <message>
        <source> bir değer bekliyor.</source>
        <translation> expects a value.</translation>
    </message>
    <message>
        <source>--locale bilinen bir bölgesel ayar adı bekliyor (dil_ÜLKE biçiminde: tr_TR, en_US, de_DE, ...): </source>
        <translation>--locale expects a known regional settings name (in the form language_COUNTRY: tr_TR, en_US, de_DE, ...): </translation>
    </message>
    <message>
        <source>--max-blocks pozitif bir tam sayı bekliyor: </source>
        <translation>--max-blocks expects a positive whole number: </translation>
    </message>
    <message>
        <source>Tek bir proje dosyası verilmeli.</source>
        <translation>Give exactly one project file.</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>Kaydet?</source>
        <translation>Save?</translation>
    </message>
    <message>
        <source>Adsız</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1 projesi kaydedilmemiş!<byte value="xd"/>
<byte value="xd"/>
Değişiklikler kaydedilsin mi?</source>
        <translation>The project %1 has not been saved!<byte value="xd"/>
<byte value="xd"/>
Save the changes?</translation>
    </message>
</context>
<context>
    <name>SelectionCommands</name>
    <message>
        <source>Kes</source>
        <translation>Cut</translation>
    </message>
</context>
<context>
    <name>SurfaceAccessible</name>
    <message>
        <source>Akış şeması</source>
        <translation>Flowchart</translation>
    </message>
    <message>
        <source>Sekme tuşu nesneleri akış sırasıyla gezer; Insert yeni nesne ekler.</source>
        <translation>The Tab key walks the objects in flow order; Insert adds a new object.</translation>
    </message>
</context>
<context>
    <name>TerminalRenderer</name>
    <message>
        <source>--render bir .png, .svg ya da .pdf dosya adı bekliyor: </source>
        <translation>--render expects a .png, .svg or .pdf file name: </translation>
    </message>
    <message>
        <source> okunamadı; resmi çizilmedi.</source>
        <translation> could not be read; no image was drawn.</translation>
    </message>
    <message>
        <source>%1 %2, proje dosyası değil.</source>
        <translation>%1 is %2, not a project file.</translation>
    </message>
</context>
<context>
    <name>TerminalRunner</name>
    <message>
        <source>standart çıktı kapalı</source>
        <translation>standard output is closed</translation>
    </message>
    <message>
        <source>İz dosyası yazılamadı: </source>
        <translation>The trace file could not be written: </translation>
    </message>
    <message>
        <source>Çalışma sayıları dosyası yazılamadı: </source>
        <translation>The counts file could not be written: </translation>
    </message>
    <message>
        <source>Program çıktısı yazılamadı: </source>
        <translation>The program&apos;s output could not be written: </translation>
    </message>
    <message>
        <source>%1 %2, proje dosyası değil.</source>
        <translation>%1 is %2, not a project file.</translation>
    </message>
</context>
<context>
    <name>ToolColumn</name>
    <message>
        <source>Başla</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Programın başladığı blok; her akış şemasında bir tane olur.</source>
        <translation>The block the program starts at; every flowchart has one.</translation>
    </message>
    <message>
        <source>İşlem</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Bir değişkene değer verir ya da bir hesap yapar.</source>
        <translation>Gives a variable a value or does a calculation.</translation>
    </message>
    <message>
        <source>Giriş</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Kullanıcının yazdığı değeri bir değişkene okur.</source>
        <translation>Reads the value the user types into a variable.</translation>
    </message>
    <message>
        <source>Çıkış</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Bir yazıyı ya da değişkenin değerini ekrana yazar.</source>
        <translation>Writes a text or a variable&apos;s value on the screen.</translation>
    </message>
    <message>
        <source>Şartlı Dallanma</source>
        <translation>Conditional Branch</translation>
    </message>
    <message>
        <source>İki değeri karşılaştırır: şart doğruysa EVET, değilse HAYIR çizgisinden devam eder.</source>
        <translation>Compares two values: goes on along the YES line when the condition holds, along the NO line otherwise.</translation>
    </message>
    <message>
        <source>Bağlantı</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Birden çok çizgiyi tek noktada birleştirir.</source>
        <translation>Joins several lines at one point.</translation>
    </message>
    <message>
        <source>Fonksiyon</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Başka bir akış şemasını fonksiyon olarak çağırır ve sonucunu alır.</source>
        <translation>Calls another flowchart as a function and takes its result.</translation>
    </message>
    <message>
        <source>Pencere</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Tasarladığınız pencereyi program çalışırken açar.</source>
        <translation>Opens the window you designed while the program runs.</translation>
    </message>
    <message>
        <source>Dur</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Programı ya da çağrılan fonksiyonu bitirir.</source>
        <translation>Ends the program or the called function.</translation>
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
        <source>e-posta:</source>
        <translation>e-mail:</translation>
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
    <message>
        <source>Parametreler:</source>
        <translation>Parameters:</translation>
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
    <name>frmMain</name>
    <message>
        <source>Bağla ve Düzenle</source>
        <translation>Connect and Edit</translation>
    </message>
    <message>
        <source>Bağla</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Düzenle</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Otomatik Bağla</source>
        <translation>Auto Connect</translation>
    </message>
    <message>
        <source>Sil</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Çizgi</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nesne</source>
        <translation>Object</translation>
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

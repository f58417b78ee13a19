<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>vw::app</name>
    <message>
        <source>%1 of %2 weapons changed on %3 planes</source>
        <translation>Изменено оружия: %1 из %2, самолётов: %3</translation>
    </message>
    <message>
        <source>%1 planes changed</source>
        <translation>Изменено самолётов: %1</translation>
    </message>
    <message>
        <source>AP and HE damage of ammunition 0 to 150 halved</source>
        <translation>Бронебойный и фугасный урон боеприпасов 0–150 уменьшен вдвое</translation>
    </message>
    <message>
        <source>AP and HE damage of ammunition 0 to 150 doubled</source>
        <translation>Бронебойный и фугасный урон боеприпасов 0–150 удвоен</translation>
    </message>
    <message>
        <source>; HE damage kept where its double does not fit: ammunition %1</source>
        <translation>; фугасный урон оставлен там, где удвоенный не помещается: боеприпасы %1</translation>
    </message>
    <message>
        <source>%1 needs two numbers, as bomb-deviation=1,1.5</source>
        <translation>%1 требует двух чисел, например bomb-deviation=1,1.5</translation>
    </message>
    <message>
        <source>unknown operation &quot;%1&quot;; the operations are %2</source>
        <translation>неизвестная операция «%1»; операции: %2</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>массив</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 — не объект</translation>
    </message>
    <message>
        <source>is not a field here</source>
        <translation>здесь нет такого поля</translation>
    </message>
    <message>
        <source>%1 is not an array</source>
        <translation>%1 — не массив</translation>
    </message>
    <message>
        <source>has %1 entries, the table has %2</source>
        <translation>записей: %1, а в таблице их %2</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 — не целое число</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation>%1 вне диапазона %2..%3</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 — не число</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 — не текст</translation>
    </message>
    <message>
        <source>%1 is not %2 bytes as hex digits</source>
        <translation>%1 — не %2 байт в шестнадцатеричной записи</translation>
    </message>
    <message>
        <source>the file has no %1</source>
        <translation>в файле нет %1</translation>
    </message>
    <message>
        <source>names no plane: give &quot;plane&quot; or &quot;name&quot;</source>
        <translation>самолёт не указан: задайте «plane» или «name»</translation>
    </message>
    <message>
        <source>planes %1 and %2 are both named %3</source>
        <translation>самолёты %1 и %2 оба называются %3</translation>
    </message>
    <message>
        <source>no plane is named %1</source>
        <translation>нет самолёта с именем %1</translation>
    </message>
    <message>
        <source>directory entry for plane %1</source>
        <translation>записи каталога для самолёта %1</translation>
    </message>
    <message>
        <source>weapons for plane %1</source>
        <translation>вооружения самолёта %1</translation>
    </message>
    <message>
        <source>plane record for plane %1</source>
        <translation>записи самолёта %1</translation>
    </message>
    <message>
        <source>damage map for plane %1</source>
        <translation>карты повреждений самолёта %1</translation>
    </message>
    <message>
        <source>damage profile slot for plane %1</source>
        <translation>ячейки профиля повреждений самолёта %1</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 — не true и не false</translation>
    </message>
    <message>
        <source>wings table</source>
        <translation>таблицы крыльев</translation>
    </message>
    <message>
        <source>ammunition entry %1</source>
        <translation>записи боеприпаса %1</translation>
    </message>
    <message>
        <source>The patch is not a JSON object.</source>
        <translation>Патч — не объект JSON.</translation>
    </message>
    <message>
        <source>not JSON: %1 at offset %2</source>
        <translation>не JSON: %1 в позиции %2</translation>
    </message>
    <message>
        <source>The file has planes 1 to %1, not %2.</source>
        <translation>В файле самолёты с 1 по %1, самолёта %2 нет.</translation>
    </message>
    <message>
        <source>Line %1 of the wanted times of flight, &quot;%2&quot;, is not a number; no plane was changed.</source>
        <translation>Строка %1 желаемого времени полёта, «%2», — не число; ни один самолёт не изменён.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist; the settings are written only into an existing base folder</source>
        <translation>папки %1 нет; настройки записываются только в существующую базовую папку</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>не удалось создать папку %1: %2</translation>
    </message>
    <message>
        <source>a support file is read up to %1 bytes</source>
        <translation>вспомогательный файл читается не больше чем на %1 байт</translation>
    </message>
    <message>
        <source>something else has that name</source>
        <translation>это имя уже занято чем-то другим</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>не удалось создать папку %1</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2: %3</source>
        <translation>не удалось скопировать %1 в %2: %3</translation>
    </message>
    <message>
        <source>has %1 entries; the file has 1 plane</source>
        <translation>записей: %1; в файле 1 самолёт</translation>
    </message>
    <message>
        <source>has %1 entries; the file has %2 planes</source>
        <translation>записей: %1; самолётов в файле: %2</translation>
    </message>
    <message>
        <source>it should hold one time of flight per plane, at most %1 bytes</source>
        <translation>в нём должно быть по одному времени полёта на самолёт, не более %1 байт</translation>
    </message>
    <message>
        <source>the path of the plane data file</source>
        <translation>путь к файлу данных самолётов</translation>
    </message>
    <message>
        <source>the launcher path</source>
        <translation>путь к программе запуска</translation>
    </message>
    <message>
        <source>%1 contains a line break, and the file holds one value a line; nothing was written</source>
        <translation>%1 содержит перевод строки, а в файле одно значение на строку; ничего не записано</translation>
    </message>
    <message>
        <source>the settings could not be put together</source>
        <translation>настройки не удалось собрать</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>the recorded changes do not fit the file</source>
        <translation>записанные изменения не подходят к файлу</translation>
    </message>
    <message>
        <source>the recovery file is damaged</source>
        <translation>файл восстановления повреждён</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>не удалось создать папку</translation>
    </message>
    <message>
        <source>the recovery file is in use</source>
        <translation>файл восстановления занят</translation>
    </message>
    <message>
        <source>Unsaved changes are no longer kept for recovery after a crash: %1: %2</source>
        <translation>Несохранённые изменения больше не сохраняются для восстановления после сбоя: %1: %2</translation>
    </message>
    <message>
        <source>a recovery file is at most 512 MB</source>
        <translation>файл восстановления занимает не более 512 МБ</translation>
    </message>
    <message>
        <source>this is no recovery file</source>
        <translation>это не файл восстановления</translation>
    </message>
    <message>
        <source>the key %1 (%2 bytes) is not a field here</source>
        <translation>ключ %1 (%2 байт) — здесь нет такого поля</translation>
    </message>
    <message>
        <source>%1 (%2 bytes) is longer than any field holds</source>
        <translation>%1 (%2 байт) длиннее любого поля</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>задано дважды</translation>
    </message>
    <message>
        <source>%1 is longer than the field&apos;s %2 characters</source>
        <translation>%1 длиннее поля (%2 символов)</translation>
    </message>
    <message>
        <source>%1 has characters the file cannot hold</source>
        <translation>в %1 есть символы, которые файл не может хранить</translation>
    </message>
    <message>
        <source>%1 has a control character, which the field cannot hold</source>
        <translation>в %1 есть управляющий символ, которого поле не может хранить</translation>
    </message>
    <message>
        <source>plane %1 is patched by planes[%2] already</source>
        <translation>самолёт %1 уже изменяется записью planes[%2]</translation>
    </message>
    <message>
        <source>plane %1 is named %2, not %3</source>
        <translation>самолёт %1 называется %2, а не %3</translation>
    </message>
    <message>
        <source>planes.dat (plane summaries)</source>
        <translation>planes.dat (сводки самолётов)</translation>
    </message>
    <message>
        <source>FM.ru.dat has %1 lines and FM.dat %2, so its rows would name other fields: the labels of FM.dat are shown.</source>
        <translation>В FM.ru.dat строк: %1, а в FM.dat: %2, поэтому его строки называли бы другие поля: показаны подписи из FM.dat.</translation>
    </message>
    <message>
        <source>FM.dat (flight model row labels)</source>
        <translation>FM.dat (подписи строк лётной модели)</translation>
    </message>
    <message>
        <source>FM.dat has %1 lines; only the first %2 are used as flight model rows.</source>
        <translation>В FM.dat строк: %1; для лётной модели берутся только первые %2.</translation>
    </message>
    <message>
        <source>readme.txt (help text)</source>
        <translation>readme.txt (текст справки)</translation>
    </message>
    <message>
        <source>%1 is not the name raw_name holds (%2)</source>
        <translation>%1 — не то название, что в raw_name (%2)</translation>
    </message>
    <message>
        <source>%1 is not this entry&apos;s row, %2</source>
        <translation>%1 — не строка этой записи, %2</translation>
    </message>
    <message>
        <source>Files of different layouts cannot be merged: BASE has layout %1, OURS %2 and THEIRS %3.</source>
        <translation>Файлы разных форматов нельзя объединить: у BASE формат %1, у OURS — %2, у THEIRS — %3.</translation>
    </message>
    <message>
        <source>a value expected: a number, a text in double quotes or a field&apos;s pattern</source>
        <translation>ожидается значение: число, текст в двойных кавычках или шаблон поля</translation>
    </message>
    <message>
        <source>a value expected: a number or a text in double quotes</source>
        <translation>ожидается значение: число или текст в двойных кавычках</translation>
    </message>
    <message>
        <source>the text that starts here has no closing &quot;</source>
        <translation>у текста, начинающегося здесь, нет закрывающей &quot;</translation>
    </message>
    <message>
        <source>a backslash in a text is \&quot; or \\</source>
        <translation>обратная косая черта в тексте — это \&quot; или \\</translation>
    </message>
    <message>
        <source>a value is a number or a text in double quotes</source>
        <translation>значение — это число или текст в двойных кавычках</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; — не число</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the value</source>
        <translation>лишнее &apos;%1&apos; после значения</translation>
    </message>
    <message>
        <source>the text has characters the file cannot hold</source>
        <translation>в тексте есть символы, которые файл не может хранить</translation>
    </message>
    <message>
        <source>the text has a control character, which the field cannot hold</source>
        <translation>в тексте есть управляющий символ, который поле не может хранить</translation>
    </message>
    <message>
        <source>the text has %1 characters, the field holds %2</source>
        <translation>в тексте %1 символов, поле вмещает %2</translation>
    </message>
    <message>
        <source>error: %1 at column %2</source>
        <translation>ошибка: %1 в столбце %2</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>примечание: %1</translation>
    </message>
    <message>
        <source>&apos;=&apos; assigns; a condition compares with ==</source>
        <translation>&apos;=&apos; присваивает; условие сравнивает с помощью ==</translation>
    </message>
    <message>
        <source>an operator expected: ==, !=, &lt;, &lt;=, &gt;, &gt;= or ~</source>
        <translation>ожидается оператор: ==, !=, &lt;, &lt;=, &gt;, &gt;= или ~</translation>
    </message>
    <message>
        <source>~ looks for a text: give it in double quotes</source>
        <translation>~ ищет текст: укажите его в двойных кавычках</translation>
    </message>
    <message>
        <source>%1 holds numbers: compare it with a number</source>
        <translation>%1 хранит числа: сравнивайте с числом</translation>
    </message>
    <message>
        <source>%1 holds a text: compare it with a text in double quotes</source>
        <translation>%1 хранит текст: сравнивайте с текстом в двойных кавычках</translation>
    </message>
    <message>
        <source>a text compares with ==, != or ~</source>
        <translation>текст сравнивается с помощью ==, != или ~</translation>
    </message>
    <message>
        <source>%1 describes the file and cannot be changed</source>
        <translation>%1 описывает файл и не может быть изменено</translation>
    </message>
    <message>
        <source>&apos;==&apos; compares; an assignment is =, +=, -=, *=, /=, min= or max=</source>
        <translation>&apos;==&apos; сравнивает; присваивание — это =, +=, -=, *=, /=, min= или max=</translation>
    </message>
    <message>
        <source>an assignment expected: =, +=, -=, *=, /=, min= or max=</source>
        <translation>ожидается присваивание: =, +=, -=, *=, /=, min= или max=</translation>
    </message>
    <message>
        <source>%1 holds a text: it takes only =</source>
        <translation>%1 хранит текст: допускается только =</translation>
    </message>
    <message>
        <source>%1 cannot take the value of %2: they hold different kinds of values</source>
        <translation>%1 не может принять значение %2: они хранят значения разных видов</translation>
    </message>
    <message>
        <source>this wildcard stands for no wildcard of %1: the value would not be one field</source>
        <translation>этот подстановочный знак не соответствует ни одному подстановочному знаку %1: значение было бы не одним полем</translation>
    </message>
    <message>
        <source>%1 holds numbers: give it a number</source>
        <translation>%1 хранит числа: укажите число</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>деление на ноль</translation>
    </message>
    <message>
        <source>%1 holds a text: give it a text in double quotes</source>
        <translation>%1 хранит текст: укажите текст в двойных кавычках</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes: give them as %3 hex digits</source>
        <translation>%1 хранит %2 байт: укажите их как %3 шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>the wildcards of this column (%1) are not those of the first column (%2)</source>
        <translation>подстановки этого столбца (%1) не совпадают с подстановками первого столбца (%2)</translation>
    </message>
    <message>
        <source>every column takes its rows from the first column&apos;s wildcards</source>
        <translation>строки всех столбцов задаются подстановками первого столбца</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>the quote that opens the cell is not closed</source>
        <translation>кавычка, открывающая ячейку, не закрыта</translation>
    </message>
    <message>
        <source>text after the closing quote of the cell</source>
        <translation>текст после закрывающей кавычки ячейки</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not start with one</source>
        <translation>кавычка внутри ячейки, которая не начинается с кавычки</translation>
    </message>
</context>
<context>
    <name>vw::app::ChangeFieldsDialog</name>
    <message>
        <source>Change found fields</source>
        <translation>Изменить найденные поля</translation>
    </message>
    <message>
        <source>Only the found fields (the find&apos;s conditions must hold)</source>
        <translation>Только найденные поля (должны выполняться условия поиска)</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Было</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>Clamped</source>
        <translation>Ограничено</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Просмотр</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>clamped from %1</source>
        <translation>ограничено с %1</translation>
    </message>
    <message>
        <source>%1 fields would change; the first %2 changes are listed.</source>
        <translation>Изменится полей: %1; показаны первые %2 изменений.</translation>
    </message>
    <message>
        <source>1 field would change.</source>
        <translation>Изменится 1 поле.</translation>
    </message>
    <message>
        <source>%1 fields would change.</source>
        <translation>Изменится полей: %1.</translation>
    </message>
    <message>
        <source>1 field changed. Edit &gt; Undo takes the change back.</source>
        <translation>Изменено 1 поле. Правка &gt; Отменить вернёт изменение.</translation>
    </message>
    <message>
        <source>%1 fields changed. Edit &gt; Undo takes the change back.</source>
        <translation>Изменено полей: %1. Правка &gt; Отменить вернёт изменение.</translation>
    </message>
</context>
<context>
    <name>vw::app::CompareDock</name>
    <message>
        <source>Compare with %1</source>
        <translation>Сравнение с %1</translation>
    </message>
    <message>
        <source>No differences: the files hold the same plane data.</source>
        <translation>Различий нет: в файлах одни и те же данные самолётов.</translation>
    </message>
    <message>
        <source>1 difference (this file -&gt; %1)</source>
        <translation>1 различие (этот файл -&gt; %1)</translation>
    </message>
    <message>
        <source>%1 differences (this file -&gt; %2)</source>
        <translation>Различий: %1 (этот файл -&gt; %2)</translation>
    </message>
    <message>
        <source>A double-click on a line shows its field; the list stays here below the pages.</source>
        <translation>Двойной щелчок по строке показывает её поле; список остаётся здесь, под страницами.</translation>
    </message>
</context>
<context>
    <name>vw::app::CopyGroup</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Source plane:</source>
        <translation>Откуда:</translation>
    </message>
    <message>
        <source>Destination plane:</source>
        <translation>Куда:</translation>
    </message>
</context>
<context>
    <name>vw::app::EditorDocument</name>
    <message>
        <source>An unexpected error stopped the operation.</source>
        <translation>Операция прервана непредвиденной ошибкой.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number; stored as %3</source>
        <translation>%1: «%2» — не целое число; записано %3</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3</source>
        <translation>%1: %2 записано как %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; stored as %3</source>
        <translation>%1: «%2» — не число; записано %3</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Отменено: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Повторено: %1</translation>
    </message>
    <message>
        <source>Changed: %1</source>
        <translation>Изменено: %1</translation>
    </message>
</context>
<context>
    <name>vw::app::ExportTableDialog</name>
    <message>
        <source>Tab-separated text (*.tsv *.txt)</source>
        <translation>Текст с табуляциями (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Экспорт таблицы</translation>
    </message>
    <message>
        <source>&amp;Add column</source>
        <translation>&amp;Добавить столбец</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>&amp;Убрать столбец</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Выш&amp;е</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Ни&amp;же</translation>
    </message>
    <message>
        <source>Columns (the first column&apos;s wildcards are the rows):</source>
        <translation>Столбцы (подстановки первого столбца задают строки):</translation>
    </message>
    <message>
        <source>&amp;Labels in the header row (such a table does not import)</source>
        <translation>&amp;Подписи в строке заголовка (такая таблица не импортируется)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Формат:</translation>
    </message>
    <message>
        <source>CSV (comma-separated)</source>
        <translation>CSV (через запятую)</translation>
    </message>
    <message>
        <source>TSV (tab-separated)</source>
        <translation>TSV (через табуляцию)</translation>
    </message>
    <message>
        <source>Preview of the first rows:</source>
        <translation>Первые строки таблицы:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <source>Choose a field and Add column: the first column&apos;s wildcards make the rows.</source>
        <translation>Выберите поле и нажмите «Добавить столбец»: подстановки первого столбца задают строки.</translation>
    </message>
    <message>
        <source>Column %1 (%2):</source>
        <translation>Столбец %1 (%2):</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table holds its fields.</source>
        <translation>Сначала загрузите файл данных самолётов: таблица состоит из его полей.</translation>
    </message>
    <message>
        <source>Table written to %1</source>
        <translation>Таблица записана в %1</translation>
    </message>
</context>
<context>
    <name>vw::app::FieldChooser</name>
    <message>
        <source>Type a label or a key to find a field</source>
        <translation>Введите подпись или ключ, чтобы найти поле</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>(document)</source>
        <translation>(документ)</translation>
    </message>
    <message>
        <source>planes[*].weapons.configurations[*].weapons[*].ammo</source>
        <translation>planes[*].weapons.configurations[*].weapons[*].ammo</translation>
    </message>
    <message>
        <source>a number, a &quot;text&quot; or a field</source>
        <translation>число, &quot;текст&quot; или поле</translation>
    </message>
</context>
<context>
    <name>vw::app::FindDialog</name>
    <message>
        <source>Find in planes</source>
        <translation>Поиск по самолётам</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>&amp;Добавить условие</translation>
    </message>
    <message>
        <source>&amp;Remove condition</source>
        <translation>&amp;Удалить условие</translation>
    </message>
    <message>
        <source>The fields found are those of the first condition&apos;s pattern for which every condition holds; wildcards at the same place of two patterns stand for the same index.</source>
        <translation>Находятся поля шаблона первого условия, для которых выполняются все условия; подстановочные знаки на одном месте двух шаблонов означают один и тот же индекс.</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>Choose a field, an operator and a value, then Add condition.</source>
        <translation>Выберите поле, оператор и значение, затем нажмите «Добавить условие».</translation>
    </message>
</context>
<context>
    <name>vw::app::FindDock</name>
    <message>
        <source>Found fields</source>
        <translation>Найденные поля</translation>
    </message>
    <message>
        <source>&amp;Change found fields...</source>
        <translation>&amp;Изменить найденные поля...</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Самолёт</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>No field satisfies the conditions.</source>
        <translation>Ни одно поле не удовлетворяет условиям.</translation>
    </message>
    <message>
        <source>1 field found</source>
        <translation>Найдено 1 поле</translation>
    </message>
    <message>
        <source>%1 fields found</source>
        <translation>Найдено полей: %1</translation>
    </message>
</context>
<context>
    <name>vw::app::FormatOperationsWidget</name>
    <message>
        <source>Generate decrypted &quot;misc_.bin&quot; file from currently loaded configuration</source>
        <translation>Создать расшифрованный файл «misc_.bin» из загруженной конфигурации</translation>
    </message>
    <message>
        <source>Writes the plane data as it is in the editor, not enciphered, to %1.</source>
        <translation>Записывает данные самолётов из редактора без шифрования в %1.</translation>
    </message>
    <message>
        <source>Load &quot;misc_.bin&quot;. Warning!!! You current configuration will be lost!</source>
        <translation>Загрузить «misc_.bin». Внимание! Текущая конфигурация будет потеряна!</translation>
    </message>
    <message>
        <source>Loads %1 as it is, without deciphering; the next save enciphers it.</source>
        <translation>Загружает %1 как есть, без расшифровки; при следующем сохранении он будет зашифрован.</translation>
    </message>
    <message>
        <source>Misc.bin format</source>
        <translation>Формат misc.bin</translation>
    </message>
    <message>
        <source>Regenerate Offsets</source>
        <translation>Пересчитать смещения</translation>
    </message>
    <message>
        <source>Gives planes added by raising &quot;Number of Planes:&quot; their own record and damage map, one stride behind the plane before.</source>
        <translation>Даёт самолётам, добавленным увеличением «Number of Planes:», собственную запись и карту повреждений сразу за предыдущим самолётом.</translation>
    </message>
    <message>
        <source>Add header for 128 planes</source>
        <translation>Добавить заголовок для 128 самолётов</translation>
    </message>
    <message>
        <source>Converts a 128-plane file into the 256-plane format.</source>
        <translation>Преобразует файл на 128 самолётов в формат на 256 самолётов.</translation>
    </message>
    <message>
        <source> saved</source>
        <translation> сохранён</translation>
    </message>
    <message>
        <source>Encrypt/Decrypt misc.bin</source>
        <translation>Шифрование misc.bin</translation>
    </message>
</context>
<context>
    <name>vw::app::ImportTableDialog</name>
    <message>
        <source>Import table</source>
        <translation>Импорт таблицы</translation>
    </message>
    <message>
        <source>No table chosen.</source>
        <translation>Таблица не выбрана.</translation>
    </message>
    <message>
        <source>&amp;Choose table...</source>
        <translation>&amp;Выбрать таблицу...</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Таблицы (*.csv *.tsv *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Было</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table is read onto its fields.</source>
        <translation>Сначала загрузите файл данных самолётов: таблица записывается в его поля.</translation>
    </message>
    <message>
        <source>a table is at most 256 MB</source>
        <translation>таблица — не больше 256 МБ</translation>
    </message>
    <message>
        <source>%1 more refused cells</source>
        <translation>ещё отклонённых ячеек: %1</translation>
    </message>
    <message>
        <source>The table could not be read.</source>
        <translation>Таблицу не удалось прочитать.</translation>
    </message>
    <message>
        <source>The table is refused: nothing can be imported until these cells are put right.</source>
        <translation>Таблица отклонена: ничего нельзя импортировать, пока эти ячейки не исправлены.</translation>
    </message>
    <message>
        <source>The file already holds every value of the table: nothing would change.</source>
        <translation>В файле уже есть все значения таблицы: ничего не изменится.</translation>
    </message>
    <message>
        <source>%1 fields would change; the first %2 are listed.</source>
        <translation>Изменится полей: %1; показаны первые %2.</translation>
    </message>
    <message>
        <source>1 field would change.</source>
        <translation>Изменится 1 поле.</translation>
    </message>
    <message>
        <source>%1 fields would change.</source>
        <translation>Изменится полей: %1.</translation>
    </message>
    <message>
        <source>Imported %1: 1 field changed. Edit &gt; Undo takes the import back.</source>
        <translation>Импортирован %1: изменено 1 поле. Правка &gt; Отменить возвращает всё назад.</translation>
    </message>
    <message>
        <source>Imported %1: %2 fields changed. Edit &gt; Undo takes the import back.</source>
        <translation>Импортирован %1: изменено полей: %2. Правка &gt; Отменить возвращает всё назад.</translation>
    </message>
</context>
<context>
    <name>vw::app::LabelTables</name>
    <message>
        <source>Group %1</source>
        <translation>Группа %1</translation>
    </message>
    <message>
        <source>Primary single shot</source>
        <translation>Основное, одиночный выстрел</translation>
    </message>
    <message>
        <source>Secondary single shot</source>
        <translation>Вторичное, одиночный выстрел</translation>
    </message>
    <message>
        <source>Primary guns</source>
        <translation>Основное оружие</translation>
    </message>
    <message>
        <source>Secondary guns</source>
        <translation>Вторичное оружие</translation>
    </message>
    <message>
        <source>Heavy guns</source>
        <translation>Тяжёлое оружие</translation>
    </message>
    <message>
        <source>Turreted gun</source>
        <translation>Турельное оружие</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Engine 1</source>
        <translation>Двигатель 1</translation>
    </message>
    <message>
        <source>Engine 2</source>
        <translation>Двигатель 2</translation>
    </message>
    <message>
        <source>Engine 3</source>
        <translation>Двигатель 3</translation>
    </message>
    <message>
        <source>Engine 4</source>
        <translation>Двигатель 4</translation>
    </message>
    <message>
        <source>Engine 1 Oil System</source>
        <translation>Маслосистема дв. 1</translation>
    </message>
    <message>
        <source>Engine 2 Oil System</source>
        <translation>Маслосистема дв. 2</translation>
    </message>
    <message>
        <source>Engine 3 Oil System</source>
        <translation>Маслосистема дв. 3</translation>
    </message>
    <message>
        <source>Engine 4 Oil System</source>
        <translation>Маслосистема дв. 4</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Руль высоты</translation>
    </message>
    <message>
        <source>Horizontal Stabilizer</source>
        <translation>Стабилизатор</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Руль направления</translation>
    </message>
    <message>
        <source>Vertical Stabilizer</source>
        <translation>Киль</translation>
    </message>
    <message>
        <source>Left Aileron</source>
        <translation>Левый элерон</translation>
    </message>
    <message>
        <source>Right Aileron</source>
        <translation>Правый элерон</translation>
    </message>
    <message>
        <source>Left Fuel Tank</source>
        <translation>Левый бак</translation>
    </message>
    <message>
        <source>Right Fuel Tank</source>
        <translation>Правый бак</translation>
    </message>
    <message>
        <source>Center Fuel Tank</source>
        <translation>Центральный бак</translation>
    </message>
    <message>
        <source>Rear Fuselage</source>
        <translation>Хвост фюзеляжа</translation>
    </message>
    <message>
        <source>Center Fuselage</source>
        <translation>Центр фюзеляжа</translation>
    </message>
    <message>
        <source>Pilot Armor</source>
        <translation>Бронезащита пилота</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Пилот</translation>
    </message>
    <message>
        <source>Tail Gunner</source>
        <translation>Хвостовой стрелок</translation>
    </message>
    <message>
        <source>Nose Gun</source>
        <translation>Носовое оружие</translation>
    </message>
    <message>
        <source>Left Gun</source>
        <translation>Левое оружие</translation>
    </message>
    <message>
        <source>Right Gun</source>
        <translation>Правое оружие</translation>
    </message>
    <message>
        <source>Top Gun</source>
        <translation>Верхнее оружие</translation>
    </message>
    <message>
        <source>Bottom Gun</source>
        <translation>Нижнее оружие</translation>
    </message>
    <message>
        <source>Left Wing</source>
        <translation>Левое крыло</translation>
    </message>
    <message>
        <source>Right Wing</source>
        <translation>Правое крыло</translation>
    </message>
    <message>
        <source>Right Gear</source>
        <translation>Правая стойка шасси</translation>
    </message>
    <message>
        <source>Left Gear</source>
        <translation>Левая стойка шасси</translation>
    </message>
    <message>
        <source>Flaps</source>
        <translation>Закрылки</translation>
    </message>
    <message>
        <source>1 - Lowest</source>
        <translation>1 - Самый низкий</translation>
    </message>
    <message>
        <source>2 - Lower</source>
        <translation>2 - Ниже</translation>
    </message>
    <message>
        <source>3 - Low</source>
        <translation>3 - Низкий</translation>
    </message>
    <message>
        <source>4 - Medium-Low</source>
        <translation>4 - Ниже среднего</translation>
    </message>
    <message>
        <source>5 - Medium-High</source>
        <translation>5 - Выше среднего</translation>
    </message>
    <message>
        <source>6 - High</source>
        <translation>6 - Высокий</translation>
    </message>
    <message>
        <source>7 - Higher</source>
        <translation>7 - Выше</translation>
    </message>
    <message>
        <source>8 - Highest</source>
        <translation>8 - Самый высокий</translation>
    </message>
</context>
<context>
    <name>vw::app::MergeDialog</name>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Исходный формат</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Формат Openhall (128 самолётов)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Формат Openhall (256 самолётов)</translation>
    </message>
    <message>
        <source>Merge changes from</source>
        <translation>Слияние изменений из файла</translation>
    </message>
    <message>
        <source>The open file is &quot;ours&quot;. The changes the other file (&quot;theirs&quot;) made to the base file they both started from are merged into it; where both changed a field differently, you choose the side.</source>
        <translation>Открытый файл — «наш». В него переносятся изменения, которые другой файл («их») внёс в общий базовый файл; где оба изменили поле по-разному, сторону выбираете вы.</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>&amp;Base file:</source>
        <translation>&amp;Базовый файл:</translation>
    </message>
    <message>
        <source>The base file</source>
        <translation>Базовый файл</translation>
    </message>
    <message>
        <source>&amp;Their file:</source>
        <translation>&amp;Их файл:</translation>
    </message>
    <message>
        <source>Their file</source>
        <translation>Их файл</translation>
    </message>
    <message>
        <source>&amp;List changes</source>
        <translation>&amp;Показать изменения</translation>
    </message>
    <message>
        <source>All &amp;ours</source>
        <translation>Все &amp;наши</translation>
    </message>
    <message>
        <source>All t&amp;heirs</source>
        <translation>Все и&amp;х</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Choose the base file and their file, then List changes.</source>
        <translation>Выберите базовый файл и их файл, затем нажмите «Показать изменения».</translation>
    </message>
    <message>
        <source>theirs</source>
        <translation>их</translation>
    </message>
    <message>
        <source>ours</source>
        <translation>наше</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Взять</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>База</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Наше</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Их</translation>
    </message>
    <message>
        <source>Load a plane data file first: the changes are merged into it.</source>
        <translation>Сначала загрузите файл данных самолётов: изменения переносятся в него.</translation>
    </message>
    <message>
        <source>%1 cannot be merged: it is of layout %2 and the open file of layout %3; files of different layouts cannot be merged.</source>
        <translation>%1 нельзя слить: у него формат %2, а у открытого файла — %3; файлы разных форматов не сливаются.</translation>
    </message>
    <message>
        <source>The files could not be merged.</source>
        <translation>Файлы не удалось слить.</translation>
    </message>
    <message>
        <source>The open file keeps its own: a plane, record or damage map is not added or taken away by a merge.</source>
        <translation>Открытый файл сохраняет своё: слияние не добавляет и не убирает самолёт, запись или карту повреждений.</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>конфликт</translation>
    </message>
    <message>
        <source>theirs changed</source>
        <translation>изменено у них</translation>
    </message>
    <message>
        <source>Their file made no change that the open file does not hold already: nothing to merge.</source>
        <translation>В их файле нет изменений, которых ещё нет в открытом файле: сливать нечего.</translation>
    </message>
    <message>
        <source>%1 changes of theirs and %2 conflicts. A checked row takes their value; conflicts keep ours until you check them.</source>
        <translation>Их изменений: %1, конфликтов: %2. Отмеченная строка берёт их значение; конфликты сохраняют наше, пока вы их не отметите.</translation>
    </message>
    <message>
        <source>Merge changes</source>
        <translation>Слияние изменений</translation>
    </message>
    <message>
        <source>Merged from %1: 1 field took their value. Edit &gt; Undo takes the merge back.</source>
        <translation>Слито из %1: 1 поле взяло их значение. Правка &gt; Отменить возвращает всё назад.</translation>
    </message>
    <message>
        <source>Merged from %1: %2 fields took their value. Edit &gt; Undo takes the merge back.</source>
        <translation>Слито из %1: полей с их значением: %2. Правка &gt; Отменить возвращает всё назад.</translation>
    </message>
</context>
<context>
    <name>vw::app::MiscPage</name>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>The version word decides the cipher of the next save (273: keyed).</source>
        <translation>Версия определяет шифр следующего сохранения (273: с ключом).</translation>
    </message>
    <message>
        <source>Planes in the file, -1 to 254.</source>
        <translation>Самолётов в файле, от -1 до 254.</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>Версия файла:</translation>
    </message>
    <message>
        <source>Number of Planes:</source>
        <translation>Число самолётов:</translation>
    </message>
    <message>
        <source>Weapons block start:</source>
        <translation>Начало блоков оружия:</translation>
    </message>
    <message>
        <source>Damage map start:</source>
        <translation>Начало карт повреждений:</translation>
    </message>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Исходный формат</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Формат Openhall (128 самолётов)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Формат Openhall (256 самолётов)</translation>
    </message>
    <message>
        <source>Workspace</source>
        <translation>Рабочая папка</translation>
    </message>
    <message>
        <source>Working Directory (path to misc.bin):</source>
        <translation>Рабочая папка (путь к misc.bin):</translation>
    </message>
    <message>
        <source>Get default path from editor directory</source>
        <translation>Брать путь по умолчанию из папки редактора</translation>
    </message>
    <message>
        <source>Override defalut laucher (path to exe):</source>
        <translation>Другой файл запуска игры (путь к exe):</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Десятичный разделитель</translation>
    </message>
    <message>
        <source>no plane record</source>
        <translation>нет записи самолёта</translation>
    </message>
    <message>
        <source>no damage map</source>
        <translation>нет карты повреждений</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>Версия файла</translation>
    </message>
    <message>
        <source>File Version %1 cannot be saved: the header holds 0 to 65535.</source>
        <translation>Версию файла %1 нельзя сохранить: в заголовке помещается от 0 до 65535.</translation>
    </message>
    <message>
        <source>Number of Planes</source>
        <translation>Число самолётов</translation>
    </message>
    <message>
        <source>Number of Planes %1 cannot be saved: the header holds -1 to 254.</source>
        <translation>Число самолётов %1 нельзя сохранить: в заголовке помещается от -1 до 254.</translation>
    </message>
    <message>
        <source>Выберите запускаемый файл</source>
        <translation>Выберите запускаемый файл</translation>
    </message>
    <message>
        <source>Программы | *.exe</source>
        <translation>Программы | *.exe</translation>
    </message>
    <message>
        <source>Type of Misc.bin</source>
        <translation>Тип misc.bin</translation>
    </message>
    <message>
        <source>The name %1 contains a line break. editor.ini keeps one value a line, so this path cannot be stored; rename the file or its folder.</source>
        <translation>Имя %1 содержит перевод строки. В editor.ini одно значение на строку, поэтому этот путь сохранить нельзя; переименуйте файл или его папку.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the decimal separator: a digit, a sign, a letter or a blank would change the numbers typed back.</source>
        <translation>«%1» не может быть десятичным разделителем: цифра, знак, буква или пробел изменили бы числа при повторном вводе.</translation>
    </message>
</context>
<context>
    <name>vw::app::NumberGridModel</name>
    <message>
        <source>This cell holds -32768 to 32767; %1 was not stored.</source>
        <translation>В ячейке помещается от -32768 до 32767; %1 не записано.</translation>
    </message>
    <message>
        <source>Integer overflow: a speed point holds -2147483648 to 2147483647 mph; %1 was not stored.</source>
        <translation>Переполнение: точка скорости вмещает от -2147483648 до 2147483647 миль/ч; %1 не записано.</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбец %1</translation>
    </message>
</context>
<context>
    <name>vw::app::OverviewChart</name>
    <message>
        <source>Bars of one column</source>
        <translation>Столбцы по одному полю</translation>
    </message>
    <message>
        <source>Scatter of two columns</source>
        <translation>Точки по двум полям</translation>
    </message>
    <message>
        <source>Engine power of the chosen planes</source>
        <translation>Мощность двигателя выбранных самолётов</translation>
    </message>
    <message>
        <source>Altitude row </source>
        <translation>Строка высоты </translation>
    </message>
    <message>
        <source>&amp;Save chart...</source>
        <translation>&amp;Сохранить диаграмму...</translation>
    </message>
    <message>
        <source>Cop&amp;y chart</source>
        <translation>Ко&amp;пировать диаграмму</translation>
    </message>
    <message>
        <source>%1, every plane (the current plane highlighted)</source>
        <translation>%1, все самолёты (текущий выделен)</translation>
    </message>
    <message>
        <source>planes</source>
        <translation>самолёты</translation>
    </message>
    <message>
        <source>current plane</source>
        <translation>текущий самолёт</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 в зависимости от %2</translation>
    </message>
    <message>
        <source>Speed (mph)</source>
        <translation>Скорость (миль/ч)</translation>
    </message>
    <message>
        <source>Engine power</source>
        <translation>Мощность двигателя</translation>
    </message>
    <message>
        <source>Engine power at altitude row %1</source>
        <translation>Мощность двигателя, строка высоты %1</translation>
    </message>
    <message>
        <source>The chart is on the clipboard.</source>
        <translation>Диаграмма скопирована в буфер обмена.</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Сохранить диаграмму</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation>Изображение PNG (*.png);;Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Не удалось сохранить диаграмму в %1.</translation>
    </message>
    <message>
        <source>Chart saved as %1.</source>
        <translation>Диаграмма сохранена в %1.</translation>
    </message>
    <message>
        <source>Handling of the chosen planes</source>
        <translation>Управляемость выбранных самолётов</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Тангаж</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>Рыскание</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Крен</translation>
    </message>
    <message>
        <source>Handling: %1</source>
        <translation>Управляемость: %1</translation>
    </message>
</context>
<context>
    <name>vw::app::PlaneReportsWidget</name>
    <message>
        <source>Plane list</source>
        <translation>Список самолётов</translation>
    </message>
    <message>
        <source>With sound directories</source>
        <translation>С папками звуков</translation>
    </message>
    <message>
        <source>With fuel</source>
        <translation>С топливом</translation>
    </message>
    <message>
        <source>With weight</source>
        <translation>С массой</translation>
    </message>
    <message>
        <source>With climb speed</source>
        <translation>Со скоростью подъёма</translation>
    </message>
    <message>
        <source>With DM counts</source>
        <translation>С числом деталей КП</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Time of flight as HTML table rows (with &quot;With fuel&quot;).</source>
        <translation>Время полёта строками таблицы HTML (вместе с «С топливом»).</translation>
    </message>
    <message>
        <source>Generate Plane list</source>
        <translation>Создать список самолётов</translation>
    </message>
    <message>
        <source>Writes planes.txt, or editor\planes.txt for the figures and counts.</source>
        <translation>Записывает planes.txt, а с цифрами и счётчиками — editor\planes.txt.</translation>
    </message>
    <message>
        <source>Correct Fuel by Time</source>
        <translation>Подогнать топливо по времени</translation>
    </message>
    <message>
        <source>Sets each plane&apos;s fuel consumption so that it reaches the time of flight given in editor\planes-fuel.txt (one number per line, in plane order).</source>
        <translation>Задаёт расход топлива каждого самолёта так, чтобы он летал время из editor\planes-fuel.txt (по числу в строке, в порядке самолётов).</translation>
    </message>
    <message>
        <source>Plane list written to %1.</source>
        <translation>Список самолётов записан в %1.</translation>
    </message>
    <message>
        <source>Correct Fuel by Time: fuel consumption changed for 1 plane.</source>
        <translation>Подгонка топлива: расход изменён у 1 самолёта.</translation>
    </message>
    <message>
        <source>Correct Fuel by Time: fuel consumption changed for %1 planes.</source>
        <translation>Подгонка топлива: расход изменён у самолётов: %1.</translation>
    </message>
    <message>
        <source> No plane record to change for planes %1.</source>
        <translation> Нет записи самолёта для изменения у самолётов %1.</translation>
    </message>
</context>
<context>
    <name>vw::app::PlanesOverview</name>
    <message>
        <source>Primary row %1</source>
        <translation>Основной параметр %1</translation>
    </message>
    <message>
        <source>Time of flight (h)</source>
        <translation>Время полёта (ч)</translation>
    </message>
</context>
<context>
    <name>vw::app::PlanesOverviewDock</name>
    <message>
        <source>Planes overview</source>
        <translation>Обзор самолётов</translation>
    </message>
    <message>
        <source>Filter planes</source>
        <translation>Отбор самолётов</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Столбцы...</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Таблица</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Диаграмма</translation>
    </message>
    <message>
        <source>Overview columns</source>
        <translation>Столбцы обзора</translation>
    </message>
    <message>
        <source>Find a field by its label or path</source>
        <translation>Найти поле по названию или пути</translation>
    </message>
    <message>
        <source>The fields shown for every plane:</source>
        <translation>Поля, показываемые для каждого самолёта:</translation>
    </message>
</context>
<context>
    <name>vw::app::PlanesOverviewModel</name>
    <message>
        <source>Plane</source>
        <translation>Самолёт</translation>
    </message>
    <message>
        <source>%1 is not a whole number.</source>
        <translation>%1 — не целое число.</translation>
    </message>
    <message>
        <source>%1 is outside %2.</source>
        <translation>%1 вне диапазона %2.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 — не число.</translation>
    </message>
    <message>
        <source>%1 does not fit the field&apos;s %2 characters of one byte each.</source>
        <translation>%1 не помещается в поле из %2 однобайтовых символов.</translation>
    </message>
    <message>
        <source>%1 is not %2 bytes as hex digits.</source>
        <translation>%1 — не %2 байт в шестнадцатеричной записи.</translation>
    </message>
    <message>
        <source>%1 is not true or false.</source>
        <translation>%1 — не true и не false.</translation>
    </message>
    <message>
        <source>plane %1, %2</source>
        <translation>самолёт %1, %2</translation>
    </message>
    <message>
        <source>The planes overview cannot store %1: %2</source>
        <translation>Обзор самолётов не может сохранить %1: %2</translation>
    </message>
    <message>
        <source>Planes overview: %1</source>
        <translation>Обзор самолётов: %1</translation>
    </message>
</context>
<context>
    <name>vw::app::Prompter</name>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Загрузить заново</translation>
    </message>
    <message>
        <source>Keep the editor&apos;s data</source>
        <translation>Оставить данные редактора</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Discard them</source>
        <translation>Отбросить</translation>
    </message>
</context>
<context>
    <name>vw::app::ReferenceFile</name>
    <message>
        <source>Reference: %1</source>
        <translation>Эталон: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>vw::app::ScriptWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Выполнить</translation>
    </message>
    <message>
        <source>Runs the script on the open file (Ctrl+Return)</source>
        <translation>Выполняет скрипт над открытым файлом (Ctrl+Return)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Оста&amp;новить</translation>
    </message>
    <message>
        <source>Time &amp;limit:</source>
        <translation>&amp;Предел времени:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>// A script in JavaScript, for example:
// for (const p of file.planes) print(p.number, p.name);</source>
        <translation>// Скрипт на JavaScript, например:
// for (const p of file.planes) print(p.number, p.name);</translation>
    </message>
    <message>
        <source>What the script prints, and the fields it changed, appear here.</source>
        <translation>Здесь появится то, что выводит скрипт, и поля, которые он изменил.</translation>
    </message>
    <message>
        <source>script.js</source>
        <translation>script.js</translation>
    </message>
    <message>
        <source>Run script - %1</source>
        <translation>Выполнить скрипт - %1</translation>
    </message>
    <message>
        <source>a script is at most 16 MB</source>
        <translation>скрипт занимает не более 16 МБ</translation>
    </message>
    <message>
        <source>Opened %1: Run or Ctrl+Return runs it.</source>
        <translation>Открыт %1: «Выполнить» или Ctrl+Return запускает его.</translation>
    </message>
    <message>
        <source>Open script</source>
        <translation>Открыть скрипт</translation>
    </message>
    <message>
        <source>Save script as</source>
        <translation>Сохранить скрипт как</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Сохранён %1.</translation>
    </message>
    <message>
        <source>Running... Stop ends the run and changes nothing.</source>
        <translation>Выполняется... «Остановить» прерывает выполнение, ничего не меняя.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the script works on its planes.</source>
        <translation>Сначала загрузите файл данных самолётов: скрипт работает с его самолётами.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed.</source>
        <translation>Остановлено: ничего не изменено.</translation>
    </message>
    <message>
        <source>Stopped after the time limit of %1 s: nothing was changed.</source>
        <translation>Остановлено по пределу времени %1 с: ничего не изменено.</translation>
    </message>
    <message>
        <source>%1, line %2, column %3</source>
        <translation>%1, строка %2, столбец %3</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, строка %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The script stopped at an error: nothing was changed.</source>
        <translation>Скрипт остановился на ошибке: ничего не изменено.</translation>
    </message>
    <message>
        <source>1 field changed</source>
        <translation>Изменено полей: 1</translation>
    </message>
    <message>
        <source>%1 fields changed</source>
        <translation>Изменено полей: %1</translation>
    </message>
    <message>
        <source>Done: no field changed.</source>
        <translation>Готово: ни одно поле не изменилось.</translation>
    </message>
    <message>
        <source>The file changed while the script ran: nothing was changed. Run it again.</source>
        <translation>Файл изменился, пока выполнялся скрипт: ничего не изменено. Выполните его снова.</translation>
    </message>
    <message>
        <source>Run script %1</source>
        <translation>Скрипт %1</translation>
    </message>
    <message>
        <source>The script changed the file&apos;s layout, which a script cannot do.</source>
        <translation>Скрипт изменил структуру файла, а этого скрипт делать не может.</translation>
    </message>
    <message>
        <source>Done: 1 field changed. Edit &gt; Undo takes the change back.</source>
        <translation>Готово: изменено 1 поле. Правка &gt; Отменить вернёт изменение.</translation>
    </message>
    <message>
        <source>Done: %1 fields changed. Edit &gt; Undo takes the change back.</source>
        <translation>Готово: изменено полей: %1. Правка &gt; Отменить вернёт изменение.</translation>
    </message>
    <message>
        <source>The changes could not be made: nothing was changed.</source>
        <translation>Изменения внести не удалось: ничего не изменено.</translation>
    </message>
    <message>
        <source>The script of the last run.</source>
        <translation>Скрипт последнего выполнения.</translation>
    </message>
</context>
<context>
    <name>vw::app::TableImporter</name>
    <message>
        <source>row 1, column %1 (%2): %3</source>
        <translation>строка 1, столбец %1 (%2): %3</translation>
    </message>
    <message>
        <source>row 1: the table has no header row</source>
        <translation>строка 1: в таблице нет строки заголовков</translation>
    </message>
    <message>
        <source>row 1: the header names no field pattern (a table written with labels does not import)</source>
        <translation>строка 1: заголовок не называет ни одного шаблона поля (таблица с названиями не импортируется)</translation>
    </message>
    <message>
        <source>the field is column %1 already</source>
        <translation>это поле уже в столбце %1</translation>
    </message>
    <message>
        <source>the wildcards of this column (%1) are not those of the first field&apos;s column (%2)</source>
        <translation>подстановки этого столбца (%1) не совпадают с подстановками столбца первого поля (%2)</translation>
    </message>
    <message>
        <source>row 1: the number columns are %1; the first field&apos;s wildcards need %2</source>
        <translation>строка 1: столбцы номеров — %1; подстановкам первого поля нужны %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3): %4</source>
        <translation>строка %1, столбец %2 (%3): %4</translation>
    </message>
    <message>
        <source>the cell is outside the header&apos;s %1 columns</source>
        <translation>ячейка за пределами %1 столбцов заголовка</translation>
    </message>
    <message>
        <source>the row&apos;s %1 is not given</source>
        <translation>в строке не указан %1</translation>
    </message>
    <message>
        <source>%1 is not a %2 number</source>
        <translation>%1 — не номер (%2)</translation>
    </message>
    <message>
        <source>the row&apos;s fields are those of row %1 already</source>
        <translation>поля этой строки уже заданы строкой %1</translation>
    </message>
    <message>
        <source>the file has no %1 %2 here</source>
        <translation>в файле здесь нет: %1 %2</translation>
    </message>
    <message>
        <source>the file has no %1</source>
        <translation>в файле нет: %1</translation>
    </message>
    <message>
        <source>%1 describes the file and is not written</source>
        <translation>%1 описывает файл и не записывается</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 — не целое число</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation>%1 вне диапазона %2..%3</translation>
    </message>
    <message>
        <source>%1 is not a number (the decimal point is &quot;.&quot;)</source>
        <translation>%1 — не число (десятичный разделитель — «.»)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 — не число</translation>
    </message>
    <message>
        <source>%1 is longer than the field&apos;s %2 characters</source>
        <translation>%1 длиннее поля в %2 символов</translation>
    </message>
    <message>
        <source>%1 has characters the file cannot hold</source>
        <translation>в %1 есть символы, которые файл не может хранить</translation>
    </message>
    <message>
        <source>%1 has a control character, which the field cannot hold</source>
        <translation>в %1 есть управляющий символ, который поле не может хранить</translation>
    </message>
    <message>
        <source>%1 is not %2 bytes as hex digits</source>
        <translation>%1 — не %2 байт в шестнадцатеричной записи</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 — не true и не false</translation>
    </message>
</context>
<context>
    <name>vw::app::VNEditor</name>
    <message>
        <source>Выберите файл конфигурации</source>
        <translation>Выберите файл конфигурации</translation>
    </message>
    <message>
        <source>Файлы конфигурации | *.bin;*.oh</source>
        <translation>Файлы конфигурации | *.bin;*.oh</translation>
    </message>
    <message>
        <source>List of planes:</source>
        <translation>Самолёты:</translation>
    </message>
    <message>
        <source>List of configs:</source>
        <translation>Конфигурации:</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Оружие</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Primary configurations</source>
        <translation>Основные параметры</translation>
    </message>
    <message>
        <source>Engine Power #1</source>
        <translation>Мощность двигателя №1</translation>
    </message>
    <message>
        <source>Engine and WEP</source>
        <translation>Двигатель и форсаж</translation>
    </message>
    <message>
        <source>Handiling</source>
        <translation>Управляемость</translation>
    </message>
    <message>
        <source>Flight Model</source>
        <translation>Лётная модель</translation>
    </message>
    <message>
        <source>Plane Damage Maps</source>
        <translation>Карты повреждений</translation>
    </message>
    <message>
        <source>Offline Damage Profile</source>
        <translation>Профиль повреждений (офлайн)</translation>
    </message>
    <message>
        <source>Damage</source>
        <translation>Повреждения</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Крылья</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Разное</translation>
    </message>
    <message>
        <source>The file could not be loaded; the editor keeps the data it had.

</source>
        <translation>Файл не загружен; в редакторе остались прежние данные.

</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>An editor for the plane data file of Vornwing.

Every value of every plane: names and references, weapon loadouts,
flight-model tables, engine power, damage maps and the shared tables.</source>
        <translation>Редактор файла данных самолётов Vornwing.

Все значения всех самолётов: названия и ссылки, вооружение,
таблицы лётной модели, мощность двигателей, карты повреждений и общие таблицы.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Авторы</translation>
    </message>
    <message>
        <source>Saving is off</source>
        <translation>Сохранение выключено</translation>
    </message>
    <message>
        <source>The save commands are hidden. To turn saving on, write writeokay as line 6 of %1 and start the editor again.</source>
        <translation>Команды сохранения скрыты. Чтобы включить сохранение, запишите writeokay в 6-ю строку %1 и перезапустите редактор.</translation>
    </message>
    <message>
        <source>Saving is off: write writeokay as line 6 of editor.ini to turn it on.</source>
        <translation>Сохранение выключено: чтобы включить, запишите writeokay в 6-ю строку editor.ini.</translation>
    </message>
    <message>
        <source>No plane data file is loaded, so there is nothing to save. Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>Файл данных самолётов не загружен, сохранять нечего. Загрузите его: Файл &gt; Загрузить конфигурацию (Ctrl+O).</translation>
    </message>
    <message>
        <source>No plane data file is loaded, so there is nothing to save.</source>
        <translation>Файл данных самолётов не загружен, сохранять нечего.</translation>
    </message>
    <message>
        <source>Vornwing plane editor Version </source>
        <translation>Редактор самолётов Vornwing, версия </translation>
    </message>
    <message>
        <source>The plane data file could not be loaded.

</source>
        <translation>Файл данных самолётов не загружен.

</translation>
    </message>
    <message>
        <source>Some support files in %1 could not be read; their tables stay empty:

- %2</source>
        <translation>Некоторые вспомогательные файлы в %1 не прочитаны; их таблицы останутся пустыми:

- %2</translation>
    </message>
    <message>
        <source>Load a plane data file first: it is compared with the one you choose.</source>
        <translation>Сначала загрузите файл данных самолётов: он будет сравнён с выбранным.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>The files could not be compared.

</source>
        <translation>Файлы не удалось сравнить.

</translation>
    </message>
    <message>
        <source>Сохранить изменения ?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>no planes</source>
        <translation>нет самолётов</translation>
    </message>
    <message>
        <source>1 plane</source>
        <translation>1 самолёт</translation>
    </message>
    <message>
        <source>%1 planes</source>
        <translation>самолётов: %1</translation>
    </message>
    <message>
        <source>%1: %2, %3 bytes.</source>
        <translation>%1: %2, байт: %3.</translation>
    </message>
    <message>
        <source> No plane record (its offset points outside the file or into the directory): planes %1.</source>
        <translation> Нет записи самолёта (смещение указывает за пределы файла или в каталог): самолёты %1.</translation>
    </message>
    <message>
        <source> No damage map (its offset points outside the file or into the directory): planes %1.</source>
        <translation> Нет карты повреждений (смещение указывает за пределы файла или в каталог): самолёты %1.</translation>
    </message>
    <message>
        <source>The file was not saved; the file on disk and the data in the editor are as they were.

</source>
        <translation>Файл не сохранён; файл на диске и данные в редакторе не изменились.

</translation>
    </message>
    <message>
        <source> saved</source>
        <translation> сохранён</translation>
    </message>
    <message>
        <source>The plane data has unsaved changes.

Save them to %1?</source>
        <translation>В данных самолётов есть несохранённые изменения.

Сохранить их в %1?</translation>
    </message>
    <message>
        <source>The plane data has unsaved changes, which will be lost: saving is off.

To turn saving on, write writeokay as line 6 of %1 and start the editor again.</source>
        <translation>Несохранённые изменения данных самолётов будут потеряны: сохранение выключено.

Чтобы включить сохранение, запишите writeokay в 6-ю строку %1 и перезапустите редактор.</translation>
    </message>
    <message>
        <source> loaded</source>
        <translation> загружен</translation>
    </message>
    <message>
        <source>The file could not be reloaded; the editor keeps the data it had.

</source>
        <translation>Файл не перечитан; в редакторе остались прежние данные.

</translation>
    </message>
    <message>
        <source> reloaded !</source>
        <translation> перечитан!</translation>
    </message>
    <message>
        <source>The game was not started: the launcher&apos;s folder %1 does not exist.</source>
        <translation>Игра не запущена: папки файла запуска %1 нет.</translation>
    </message>
    <message>
        <source>Started %1</source>
        <translation>Запущен %1</translation>
    </message>
    <message>
        <source>The settings were not saved.

</source>
        <translation>Настройки не сохранены.

</translation>
    </message>
    <message>
        <source>a patch is at most 256 MB</source>
        <translation>патч — не больше 256 МБ</translation>
    </message>
    <message>
        <source>Export plane as JSON</source>
        <translation>Экспорт самолёта в JSON</translation>
    </message>
    <message>
        <source>Export all planes as JSON</source>
        <translation>Экспорт всех самолётов в JSON</translation>
    </message>
    <message>
        <source>Import JSON</source>
        <translation>Импорт JSON</translation>
    </message>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Исходный формат</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Формат Openhall (128 самолётов)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Формат Openhall (256 самолётов)</translation>
    </message>
    <message>
        <source>Vornwing Planes Editor Version </source>
        <translation>Редактор самолётов Vornwing, версия </translation>
    </message>
    <message>
        <source>Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>Загрузите его: Файл &gt; Загрузить конфигурацию (Ctrl+O).</translation>
    </message>
    <message>
        <source>keyed cipher</source>
        <translation>шифр с ключом</translation>
    </message>
    <message>
        <source>plain cipher</source>
        <translation>простой шифр</translation>
    </message>
    <message>
        <source>Vornwing Planes Editor %1
Qt %2

Base directory: %3
Plane data file: %4
Settings and support files: %5</source>
        <translation>Редактор самолётов Vornwing %1
Qt %2

Базовая папка: %3
Файл данных самолётов: %4
Настройки и вспомогательные файлы: %5</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Экспортировано в %1</translation>
    </message>
    <message>
        <source>Your data folder %1 could not be set up: %2</source>
        <translation>Не удалось подготовить вашу папку данных %1: %2</translation>
    </message>
    <message>
        <source>Installed: the base directory is your data folder; the default support files are copied there from %1 when they are missing.</source>
        <translation>Установленный редактор: базовая папка — ваша папка данных; недостающие вспомогательные файлы копируются туда из %1.</translation>
    </message>
    <message>
        <source>editor.ini (settings; the defaults apply, and the file is kept as it is): </source>
        <translation>editor.ini (настройки; действуют значения по умолчанию, файл остаётся как есть): </translation>
    </message>
    <message>
        <source>editor.ini names &quot;%1&quot; as the decimal separator; a digit, a sign, a letter or a blank cannot be one, so &quot;.&quot; is used.</source>
        <translation>В editor.ini десятичный разделитель «%1»; цифра, знак, буква или пробел им быть не могут, поэтому используется «.».</translation>
    </message>
    <message>
        <source>window.ini (window place and recent files; the defaults apply, and the file is kept as it is): </source>
        <translation>window.ini (положение окна и недавние файлы; действуют значения по умолчанию, файл остаётся как есть): </translation>
    </message>
    <message>
        <source>The settings were not saved: %1 could not be read at start (%2), so it is kept as it is rather than replaced by the defaults.</source>
        <translation>Настройки не сохранены: %1 не удалось прочитать при запуске (%2), поэтому он остаётся как есть и не заменяется значениями по умолчанию.</translation>
    </message>
    <message>
        <source>The window&apos;s place and the recent files were not saved.

</source>
        <translation>Положение окна и недавние файлы не сохранены.

</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Load configuration</source>
        <translation>&amp;Загрузить конфигурацию</translation>
    </message>
    <message>
        <source>&amp;Save configuration</source>
        <translation>&amp;Сохранить конфигурацию</translation>
    </message>
    <message>
        <source>Save configuration &amp;as...</source>
        <translation>Сохранить конфигурацию &amp;как...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>С&amp;равнить с...</translation>
    </message>
    <message>
        <source>Check &amp;file</source>
        <translation>Проверить &amp;файл</translation>
    </message>
    <message>
        <source>&amp;Export plane as JSON...</source>
        <translation>&amp;Экспорт самолёта в JSON...</translation>
    </message>
    <message>
        <source>Export all &amp;planes as JSON...</source>
        <translation>Экспорт все&amp;х самолётов в JSON...</translation>
    </message>
    <message>
        <source>&amp;Import JSON...</source>
        <translation>&amp;Импорт JSON...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <source>&amp;Read current config  (see misc)</source>
        <translation>&amp;Прочитать конфигурацию  (см. «Разное»)</translation>
    </message>
    <message>
        <source>&amp;Write current config</source>
        <translation>&amp;Записать конфигурацию</translation>
    </message>
    <message>
        <source>&amp;Launch Vornwing</source>
        <translation>&amp;Запустить Vornwing</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>&amp;Close editor on VN launch</source>
        <translation>&amp;Закрывать редактор при запуске игры</translation>
    </message>
    <message>
        <source>Launch Vornwing &amp;Offline </source>
        <translation>Запускать Vornwing &amp;офлайн </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>The structural check found 1 fault.</source>
        <translation>Проверка структуры нашла 1 неисправность.</translation>
    </message>
    <message>
        <source>The structural check found %1 faults.</source>
        <translation>Проверка структуры нашла неисправностей: %1.</translation>
    </message>
    <message>
        <source>File &gt; Check file lists them.</source>
        <translation>Их список: Файл &gt; Проверить файл.</translation>
    </message>
    <message>
        <source>%1 was loaded as it is, but it does not look like sound plane data. %2</source>
        <translation>%1 загружен как есть, но не похож на исправные данные самолётов. %2</translation>
    </message>
    <message>
        <source>File &gt; Check file lists all of them.</source>
        <translation>Полный список: Файл &gt; Проверить файл.</translation>
    </message>
    <message>
        <source>No plane data file is loaded, so there is nothing to check. Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>Файл данных самолётов не загружен, проверять нечего. Загрузите его: Файл &gt; Загрузить конфигурацию (Ctrl+O).</translation>
    </message>
    <message>
        <source>Check file: %1 has no structural faults.</source>
        <translation>Проверка файла: в %1 нет неисправностей структуры.</translation>
    </message>
    <message>
        <source>%1 has no structural faults.</source>
        <translation>В %1 нет неисправностей структуры.</translation>
    </message>
    <message>
        <source>Check file: %1.</source>
        <translation>Проверка файла: %1.</translation>
    </message>
    <message>
        <source>Check file %1</source>
        <translation>Проверка файла %1</translation>
    </message>
    <message>
        <source>Set the launcher on the Misc page, in &quot;%1&quot;.</source>
        <translation>Укажите программу запуска на странице «Разное», в поле «%1».</translation>
    </message>
    <message>
        <source>The game was not started: no game launcher is set.</source>
        <translation>Игра не запущена: программа запуска не указана.</translation>
    </message>
    <message>
        <source>The game was not started: the launcher %1 does not exist.</source>
        <translation>Игра не запущена: программы запуска %1 нет.</translation>
    </message>
    <message>
        <source>The game was not started: the launcher %1 is a folder, not a program.</source>
        <translation>Игра не запущена: %1 — папка, а не программа.</translation>
    </message>
    <message>
        <source>The game was not started: the launcher %1 is not an executable program (it lacks the permission to run).</source>
        <translation>Игра не запущена: %1 — не исполняемая программа (нет права на запуск).</translation>
    </message>
    <message>
        <source>The game was not started: %1 could not be run.</source>
        <translation>Игра не запущена: не удалось выполнить %1.</translation>
    </message>
    <message>
        <source>Imported %1: the file already holds every value it names; nothing changed.</source>
        <translation>Импортирован %1: в файле уже есть все его значения; ничего не изменилось.</translation>
    </message>
    <message>
        <source>on plane %1</source>
        <translation>у самолёта %1</translation>
    </message>
    <message>
        <source>on planes %1</source>
        <translation>у самолётов %1</translation>
    </message>
    <message>
        <source>on %1 planes</source>
        <translation>у самолётов: %1</translation>
    </message>
    <message>
        <source>in the shared tables</source>
        <translation>в общих таблицах</translation>
    </message>
    <message>
        <source>1 field</source>
        <translation>1 поле</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>полей: %1 —</translation>
    </message>
    <message>
        <source>Imported %1: %2 changed %3. Edit &gt; Undo takes the import back.</source>
        <translation>Импортирован %1: изменено %2 %3. Правка &gt; Отменить возвращает всё назад.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Imported %1. Edit &gt; Undo takes the import back.</source>
        <translation>Импортирован %1. Правка &gt; Отменить возвращает всё назад.</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.

Load it again? The unsaved changes in the editor would be lost.</source>
        <translation>Файл %1 изменён на диске другой программой.

Загрузить его заново? Несохранённые изменения в редакторе будут потеряны.</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.

Load it again? The editor has no unsaved changes.</source>
        <translation>Файл %1 изменён на диске другой программой.

Загрузить его заново? Несохранённых изменений в редакторе нет.</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program since the editor loaded or saved it.

Overwrite it (its present version is kept as %2), save under another name, or cancel?</source>
        <translation>Файл %1 изменён на диске другой программой после того, как редактор загрузил или сохранил его.

Перезаписать его (нынешняя версия сохранится как %2), сохранить под другим именем или отменить?</translation>
    </message>
    <message>
        <source>Not saved: %1 was changed by another program.</source>
        <translation>Не сохранено: файл %1 изменён другой программой.</translation>
    </message>
    <message>
        <source>The file was not saved: its present version could not be kept as %1.

</source>
        <translation>Файл не сохранён: не удалось сохранить его нынешнюю версию как %1.

</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 that the editor kept at %2 cannot be restored: the file on disk is no longer the one they were made to. The recovery file was removed.</source>
        <translation>Несохранённые изменения файла %1, записанные редактором в %2, нельзя восстановить: файл на диске уже не тот, в который они вносились. Файл восстановления удалён.</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 that the editor kept at %2 cannot be restored: %3. The recovery file was removed.</source>
        <translation>Несохранённые изменения файла %1, записанные редактором в %2, нельзя восстановить: %3. Файл восстановления удалён.</translation>
    </message>
    <message>
        <source>The editor stopped at %2 with unsaved changes to %1.

Restore them? They come back as one step, which Edit &gt; Undo takes back. Discarded, they are gone.</source>
        <translation>Редактор остановился в %2 с несохранёнными изменениями файла %1.

Восстановить их? Они вернутся одним шагом, который отменяет Правка &gt; Отменить. Отброшенные, они пропадут.</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Восстановление несохранённых изменений</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 were restored; they are not saved yet.</source>
        <translation>Несохранённые изменения файла %1 восстановлены; они ещё не сохранены.</translation>
    </message>
    <message>
        <source>An editor that stopped left unsaved changes to %1; open that file to restore them.</source>
        <translation>Остановившийся редактор оставил несохранённые изменения файла %1; откройте этот файл, чтобы восстановить их.</translation>
    </message>
    <message>
        <source>Open misc.bin…</source>
        <translation>Открыть misc.bin…</translation>
    </message>
    <message>
        <source>File &gt; Load configuration (Ctrl+O)</source>
        <translation>Файл &gt; Загрузить конфигурацию (Ctrl+O)</translation>
    </message>
    <message>
        <source>Welcome. Open a plane data file with Ctrl+O.</source>
        <translation>Добро пожаловать. Откройте файл данных самолётов: Ctrl+O.</translation>
    </message>
    <message>
        <source>Not saved: %1 is as it was; your changes are still only in the editor.</source>
        <translation>Не сохранено: %1 не изменён; ваши изменения пока есть только в редакторе.</translation>
    </message>
    <message>
        <source>Not saved: %1 is as it was.</source>
        <translation>Не сохранено: %1 не изменён.</translation>
    </message>
    <message>
        <source>No plane data file is loaded (Ctrl+O opens one)</source>
        <translation>Файл данных самолётов не загружен (Ctrl+O — открыть)</translation>
    </message>
    <message>
        <source>No plane data file is loaded. Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>Файл данных самолётов не загружен. Загрузите его: Файл &gt; Загрузить конфигурацию (Ctrl+O).</translation>
    </message>
    <message>
        <source>A misc.bin put in %1 is opened at start.</source>
        <translation>misc.bin из папки %1 открывается при запуске.</translation>
    </message>
    <message>
        <source>&amp;Find in planes...</source>
        <translation>&amp;Поиск по самолётам...</translation>
    </message>
    <message>
        <source>C&amp;hange found fields...</source>
        <translation>И&amp;зменить найденные поля...</translation>
    </message>
    <message>
        <source>Load a plane data file first: the find looks through its planes.</source>
        <translation>Сначала загрузите файл данных самолётов: поиск идёт по его самолётам.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the change works on its fields.</source>
        <translation>Сначала загрузите файл данных самолётов: изменение работает с его полями.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Planes &amp;overview</source>
        <translation>&amp;Обзор самолётов</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>&amp;Run script...</source>
        <translation>&amp;Выполнить скрипт...</translation>
    </message>
    <message>
        <source>Refere&amp;nce file...</source>
        <translation>Эт&amp;алонный файл...</translation>
    </message>
    <message>
        <source>&amp;Drop reference file</source>
        <translation>&amp;Убрать эталонный файл</translation>
    </message>
    <message>
        <source>Re&amp;vert to reference</source>
        <translation>Вер&amp;нуть к эталону</translation>
    </message>
    <message>
        <source>&amp;Field under the cursor</source>
        <translation>&amp;Поле под курсором</translation>
    </message>
    <message>
        <source>Current &amp;configuration</source>
        <translation>Текущую &amp;конфигурацию</translation>
    </message>
    <message>
        <source>Current &amp;plane</source>
        <translation>Текущий &amp;самолёт</translation>
    </message>
    <message>
        <source>F&amp;ound fields</source>
        <translation>&amp;Найденные поля</translation>
    </message>
    <message>
        <source>Same as the reference</source>
        <translation>Совпадает с эталоном</translation>
    </message>
    <message>
        <source>1 field differs from the reference</source>
        <translation>1 поле отличается от эталона</translation>
    </message>
    <message>
        <source>%1 fields differ from the reference</source>
        <translation>Полей, отличающихся от эталона: %1</translation>
    </message>
    <message>
        <source>Reference file: %1</source>
        <translation>Эталонный файл: %1</translation>
    </message>
    <message>
        <source>The reference file %1 could not be read: %2</source>
        <translation>Эталонный файл %1 не удалось прочитать: %2</translation>
    </message>
    <message>
        <source>The reference file could not be read; the window keeps the reference it had.

</source>
        <translation>Эталонный файл не удалось прочитать; окно оставляет прежний эталон.

</translation>
    </message>
    <message>
        <source>Reference file: %1.</source>
        <translation>Эталонный файл: %1.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the reference file is compared with it.</source>
        <translation>Сначала загрузите файл данных самолётов: эталонный файл сравнивается с ним.</translation>
    </message>
    <message>
        <source>Reference file</source>
        <translation>Эталонный файл</translation>
    </message>
    <message>
        <source>No reference file.</source>
        <translation>Эталонного файла нет.</translation>
    </message>
    <message>
        <source>The reference file has another layout: its fields cannot be written into this file.</source>
        <translation>У эталонного файла другой формат: его поля нельзя записать в этот файл.</translation>
    </message>
    <message>
        <source>The cell has no value in the reference file.</source>
        <translation>В эталонном файле нет значения этой ячейки.</translation>
    </message>
    <message>
        <source>Revert %1 to reference</source>
        <translation>Вернуть %1 к эталону</translation>
    </message>
    <message>
        <source>Reverted to the reference: %1.</source>
        <translation>Возвращено к эталону: %1.</translation>
    </message>
    <message>
        <source>The field under the cursor has no value in the reference file.</source>
        <translation>В эталонном файле нет значения поля под курсором.</translation>
    </message>
    <message>
        <source>Revert field to reference</source>
        <translation>Вернуть поле к эталону</translation>
    </message>
    <message>
        <source>Revert configuration to reference</source>
        <translation>Вернуть конфигурацию к эталону</translation>
    </message>
    <message>
        <source>Revert plane to reference</source>
        <translation>Вернуть самолёт к эталону</translation>
    </message>
    <message>
        <source>No fields are found: Edit &gt; Find in planes... finds them.</source>
        <translation>Поля не найдены: их находит Правка &gt; Найти в самолётах...</translation>
    </message>
    <message>
        <source>Revert found fields to reference</source>
        <translation>Вернуть найденные поля к эталону</translation>
    </message>
    <message>
        <source>Nothing differed from the reference.</source>
        <translation>Ничто не отличалось от эталона.</translation>
    </message>
    <message>
        <source>1 field reverted to the reference.</source>
        <translation>1 поле возвращено к эталону.</translation>
    </message>
    <message>
        <source>%1 fields reverted to the reference.</source>
        <translation>Полей возвращено к эталону: %1.</translation>
    </message>
    <message>
        <source>Export &amp;table...</source>
        <translation>Экспорт &amp;таблицы...</translation>
    </message>
    <message>
        <source>Import ta&amp;ble...</source>
        <translation>Импорт таб&amp;лицы...</translation>
    </message>
    <message>
        <source>&amp;Merge changes from...</source>
        <translation>Слияни&amp;е изменений из...</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table holds its fields.</source>
        <translation>Сначала загрузите файл данных самолётов: таблица состоит из его полей.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table is read onto its fields.</source>
        <translation>Сначала загрузите файл данных самолётов: таблица записывается в его поля.</translation>
    </message>
    <message>
        <source>Import table</source>
        <translation>Импорт таблицы</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Таблицы (*.csv *.tsv *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Load a plane data file first: the changes are merged into it.</source>
        <translation>Сначала загрузите файл данных самолётов: изменения переносятся в него.</translation>
    </message>
</context>
<context>
    <name>vw::app::fields</name>
    <message>
        <source>an index is a number, a range such as 1..20, or *</source>
        <translation>индекс — это число, диапазон вида 1..20 или *</translation>
    </message>
    <message>
        <source>plane %1 does not exist: planes are numbered from 1</source>
        <translation>самолёта %1 нет: самолёты нумеруются с 1</translation>
    </message>
    <message>
        <source>index %1 is outside %2..%3 of &apos;%4&apos;</source>
        <translation>индекс %1 вне %2..%3 у &apos;%4&apos;</translation>
    </message>
    <message>
        <source>the range %1..%2 is empty: its first index must not be above its last</source>
        <translation>диапазон %1..%2 пуст: его первый индекс не должен быть больше последнего</translation>
    </message>
    <message>
        <source>&apos;]&apos; expected after the index that starts at column %1</source>
        <translation>ожидается &apos;]&apos; после индекса, начинающегося в столбце %1</translation>
    </message>
    <message>
        <source>a path starts with %1</source>
        <translation>путь начинается с %1</translation>
    </message>
    <message>
        <source>%1 has %2</source>
        <translation>у %1 есть %2</translation>
    </message>
    <message>
        <source>a field&apos;s path expected, such as planes[7].header.name</source>
        <translation>ожидается путь поля, например planes[7].header.name</translation>
    </message>
    <message>
        <source>a field of %1 expected</source>
        <translation>ожидается поле %1</translation>
    </message>
    <message>
        <source>unknown field &apos;%1&apos;</source>
        <translation>неизвестное поле &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is a list: give an index, such as [%2] or [*]</source>
        <translation>%1 — список: укажите индекс, например [%2] или [*]</translation>
    </message>
    <message>
        <source>%1 is a field: it has no members or entries</source>
        <translation>%1 — поле: у него нет членов и элементов</translation>
    </message>
    <message>
        <source>%1 is a part, not a field: name one of its fields</source>
        <translation>%1 — часть, а не поле: назовите одно из её полей</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the path</source>
        <translation>лишнее &apos;%1&apos; после пути</translation>
    </message>
</context>
<context>
    <name>vw::damage</name>
    <message>
        <source>A damage map has 8192 bytes, not %1.</source>
        <translation>В карте повреждений 8192 байта, а не %1.</translation>
    </message>
    <message>
        <source>A damage map level has 1024 cells, not %1.</source>
        <translation>В уровне карты повреждений 1024 клетки, а не %1.</translation>
    </message>
    <message>
        <source>Plane %1 has no damage map in the file.</source>
        <translation>У самолёта %1 нет карты повреждений в файле.</translation>
    </message>
    <message>
        <source>Damage map cell (%1, %2) of level %3 is outside the 32 x 32 x 8 map.</source>
        <translation>Клетка (%1, %2) уровня %3 лежит вне карты повреждений 32 x 32 x 8.</translation>
    </message>
    <message>
        <source>The parts catalogue has parts 0 to 32, not %1.</source>
        <translation>В каталоге деталей детали с 0 по 32, детали %1 нет.</translation>
    </message>
    <message>
        <source>plane %1 is not in the plane list.</source>
        <translation>самолёта %1 нет в списке самолётов.</translation>
    </message>
    <message>
        <source>plane %1 has no damage map.</source>
        <translation>у самолёта %1 нет карты повреждений.</translation>
    </message>
    <message>
        <source>plane %1 has no damage profile slot.</source>
        <translation>у самолёта %1 нет ячейки профиля повреждений.</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Деталь %1</translation>
    </message>
    <message>
        <source>A damage profile has 912 bytes, not %1.</source>
        <translation>В профиле повреждений 912 байт, а не %1.</translation>
    </message>
    <message>
        <source>Plane %1 has no damage profile slot in the file.</source>
        <translation>У самолёта %1 нет ячейки профиля повреждений в файле.</translation>
    </message>
    <message>
        <source>The damage profile has parts 1 to 32, not %1.</source>
        <translation>В профиле повреждений детали с 1 по 32, детали %1 нет.</translation>
    </message>
    <message>
        <source>Plane %1 no longer has a damage map, so its change cannot be undone.</source>
        <translation>У самолёта %1 больше нет карты повреждений, поэтому его изменение не отменить.</translation>
    </message>
    <message>
        <source>The damage profile grid has columns 1 to 4 and rows 1 to 32, not (%1, %2).</source>
        <translation>В таблице профиля повреждений столбцы 1–4 и строки 1–32, клетки (%1, %2) нет.</translation>
    </message>
    <message>
        <source>A modifier is a whole number from -32768 to 32767; %1 is not stored.</source>
        <translation>Модификатор — целое число от -32768 до 32767; %1 не сохранено.</translation>
    </message>
</context>
<context>
    <name>vw::damage::DamageMapPage</name>
    <message>
        <source>Select Part from list and Double Click on map to place it...</source>
        <translation>Выберите деталь и дважды щёлкните по карте...</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Отменить последнее</translation>
    </message>
    <message>
        <source>Show 3D</source>
        <translation>Показать 3D</translation>
    </message>
    <message>
        <source>Uncheck to edit</source>
        <translation>Снять для правки</translation>
    </message>
    <message>
        <source>Current level (1-8)</source>
        <translation>Текущий уровень (1-8)</translation>
    </message>
    <message>
        <source>Parts Catalog</source>
        <translation>Каталог деталей</translation>
    </message>
    <message>
        <source>Plane %1 has no damage map.</source>
        <translation>У самолёта %1 нет карты повреждений.</translation>
    </message>
    <message>
        <source>Plane %1 has no damage map: there is nothing to place, shift or undo on it.</source>
        <translation>У самолёта %1 нет карты повреждений: размещать, сдвигать и отменять нечего.</translation>
    </message>
    <message>
        <source>Select a part in the Parts Catalog, then double-click the map to place it.</source>
        <translation>Выберите деталь в каталоге, затем дважды щёлкните по карте, чтобы её разместить.</translation>
    </message>
    <message>
        <source>Place </source>
        <translation>Разместить: </translation>
    </message>
    <message>
        <source>%1 placed at column %2, row %3 of level %4.</source>
        <translation>%1: размещено в столбце %2, строке %3 уровня %4.</translation>
    </message>
    <message>
        <source>up</source>
        <translation>вверх</translation>
    </message>
    <message>
        <source>down</source>
        <translation>вниз</translation>
    </message>
    <message>
        <source>left</source>
        <translation>влево</translation>
    </message>
    <message>
        <source>right</source>
        <translation>вправо</translation>
    </message>
    <message>
        <source>Shift level </source>
        <translation>Сдвиг уровня </translation>
    </message>
    <message>
        <source>Level %1 shifted %2.</source>
        <translation>Уровень %1 сдвинут %2.</translation>
    </message>
    <message>
        <source>Level %1 looks the same shifted %2: nothing changed.</source>
        <translation>Уровень %1 после сдвига %2 не изменился.</translation>
    </message>
    <message>
        <source> Its placements on this plane can no longer be undone with &quot;Undo Last Change&quot;.</source>
        <translation> Его размещения на этом самолёте больше нельзя отменить кнопкой «Отменить последнее».</translation>
    </message>
    <message>
        <source>Shift the level up one cell (the top row comes round to the bottom)</source>
        <translation>Сдвинуть уровень на клетку вверх (верхняя строка переходит вниз)</translation>
    </message>
    <message>
        <source>Shift the level down one cell (the bottom row comes round to the top)</source>
        <translation>Сдвинуть уровень на клетку вниз (нижняя строка переходит наверх)</translation>
    </message>
    <message>
        <source>Shift the level left one cell (the left column comes round to the right)</source>
        <translation>Сдвинуть уровень на клетку влево (левый столбец переходит вправо)</translation>
    </message>
    <message>
        <source>Shift the level right one cell (the right column comes round to the left)</source>
        <translation>Сдвинуть уровень на клетку вправо (правый столбец переходит влево)</translation>
    </message>
</context>
<context>
    <name>vw::damage::DamageModelCopyWidget</name>
    <message>
        <source>Damage model</source>
        <translation>Модель повреждений</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Значения</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Source plane:</source>
        <translation>Откуда:</translation>
    </message>
    <message>
        <source>Destination plane:</source>
        <translation>Куда:</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Копирование невозможно!</translation>
    </message>
    <message>
        <source>Choose a source plane and a destination plane.</source>
        <translation>Выберите самолёт-источник и самолёт-получатель.</translation>
    </message>
    <message>
        <source>Copy damage model</source>
        <translation>Копирование модели повреждений</translation>
    </message>
    <message>
        <source>Damage map and profile</source>
        <translation>Карта и профиль повреждений</translation>
    </message>
    <message>
        <source>Damage map</source>
        <translation>Карта повреждений</translation>
    </message>
    <message>
        <source>Damage profile</source>
        <translation>Профиль повреждений</translation>
    </message>
    <message>
        <source>Neither &quot;Map&quot; nor &quot;Values&quot; is ticked: nothing was copied.</source>
        <translation>Не отмечены ни «Карта», ни «Значения»: ничего не скопировано.</translation>
    </message>
    <message>
        <source>%1 of plane %2 copied to plane %3.</source>
        <translation>%1: скопировано с самолёта %2 на самолёт %3.</translation>
    </message>
    <message>
        <source>Copy process complete!</source>
        <translation>Копирование завершено!</translation>
    </message>
</context>
<context>
    <name>vw::damage::OfflineProfilePage</name>
    <message>
        <source>Part Name</source>
        <translation>Деталь</translation>
    </message>
    <message>
        <source>Damage 1</source>
        <translation>Урон 1</translation>
    </message>
    <message>
        <source>Damage 2</source>
        <translation>Урон 2</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Броня</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Множитель</translation>
    </message>
    <message>
        <source>Basic Stats:</source>
        <translation>Основное:</translation>
    </message>
    <message>
        <source>Average HP: </source>
        <translation>Средняя прочность: </translation>
    </message>
    <message>
        <source>Average Armor: </source>
        <translation>Средняя броня: </translation>
    </message>
    <message>
        <source>Offline Damage Profile</source>
        <translation>Профиль повреждений (офлайн)</translation>
    </message>
    <message>
        <source>Modifier: %1 is outside -32768..32767 and was not stored; the cell keeps %2.</source>
        <translation>Множитель: %1 вне -32768..32767 и не записан; в ячейке осталось %2.</translation>
    </message>
</context>
<context>
    <name>vw::datafile</name>
    <message>
        <source>a plane data file holds at most %1 bytes</source>
        <translation>файл данных самолётов вмещает не больше %1 байт</translation>
    </message>
    <message>
        <source>the data is %1 bytes long; a plane data file holds at most %2 bytes</source>
        <translation>данные длиной %1 байт; файл данных самолётов вмещает не больше %2 байт</translation>
    </message>
    <message>
        <source>No plane data file is loaded; nothing was saved.</source>
        <translation>Файл данных самолётов не загружен; ничего не сохранено.</translation>
    </message>
    <message>
        <source>The number of planes is %1; a plane data file holds -1 to 254 (the header stores it in one byte). Nothing was saved.</source>
        <translation>Число самолётов — %1; в файле данных самолётов их от -1 до 254 (заголовок хранит число в одном байте). Ничего не сохранено.</translation>
    </message>
    <message>
        <source>The file version is %1; a plane data file holds 0 to 65535 (the header stores it in two bytes). Nothing was saved.</source>
        <translation>Версия файла — %1; в файле данных самолётов она от 0 до 65535 (заголовок хранит её в двух байтах). Ничего не сохранено.</translation>
    </message>
    <message>
        <source>could not keep the previous file as %1: %2</source>
        <translation>не удалось сохранить прежний файл как %1: %2</translation>
    </message>
    <message>
        <source>The bytes %1..%2 lie outside the file, which is %3 bytes long.</source>
        <translation>Байты %1..%2 лежат за пределами файла длиной %3 байт.</translation>
    </message>
    <message>
        <source>The file would become %1 bytes long; a plane data file holds at most %2 bytes.</source>
        <translation>Файл стал бы длиной %1 байт; файл данных самолётов вмещает не больше %2 байт.</translation>
    </message>
    <message>
        <source>A gap cannot be opened at byte %1 of a file that is %2 bytes long.</source>
        <translation>Нельзя вставить промежуток на байте %1 в файл длиной %2 байт.</translation>
    </message>
    <message>
        <source>There is no plane %1.</source>
        <translation>Самолёта %1 нет.</translation>
    </message>
    <message>
        <source>Plane %1 has no directory entry in this layout.</source>
        <translation>У самолёта %1 нет записи каталога в этом формате.</translation>
    </message>
    <message>
        <source>The offset %1 of plane %2 does not fit the directory&apos;s 24 bits.</source>
        <translation>Смещение %1 самолёта %2 не помещается в 24 бита каталога.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Ничего не изменено.</translation>
    </message>
    <message>
        <source>plane %1</source>
        <translation>самолёта %1</translation>
    </message>
    <message>
        <source>planes %1 to %2</source>
        <translation>самолётов с %1 по %2</translation>
    </message>
    <message>
        <source>planes %1</source>
        <translation>самолётов %1</translation>
    </message>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Исходный формат</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Формат Openhall (128 самолётов)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Формат Openhall (256 самолётов)</translation>
    </message>
    <message>
        <source>&quot;Add header for 128 planes&quot; converts a file of type %1; this file is of type %2.</source>
        <translation>«Добавить заголовок для 128 самолётов» преобразует файл типа %1; этот файл — типа %2.</translation>
    </message>
    <message>
        <source>The file&apos;s tables do not lie where the 128-plane layout has them.</source>
        <translation>Таблицы файла лежат не там, где они в формате на 128 самолётов.</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, too short to hold the 128-plane layout&apos;s tables.</source>
        <translation>Длина файла %1 байт — слишком мало для таблиц формата на 128 самолётов.</translation>
    </message>
    <message>
        <source>The file would grow to %1 bytes; a plane data file holds at most %2 bytes.</source>
        <translation>Файл вырос бы до %1 байт; файл данных самолётов вмещает не больше %2 байт.</translation>
    </message>
    <message>
        <source>The %1 of plane %2 lies at byte %3, inside the header and tables that the conversion moves apart.</source>
        <translation>У самолёта %2 %1 лежит на байте %3, внутри заголовка и таблиц, которые преобразование раздвигает.</translation>
    </message>
    <message>
        <source>The %1 of plane %2 would move to byte %3; the directory holds offsets below %4.</source>
        <translation>У самолёта %2 %1 сдвинулась бы на байт %3; каталог хранит смещения меньше %4.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>запись</translation>
    </message>
    <message>
        <source>damage map</source>
        <translation>карта повреждений</translation>
    </message>
    <message>
        <source>Room for 256 planes added: the file grew by %1 bytes to %2 bytes.</source>
        <translation>Место для 256 самолётов добавлено: файл вырос на %1 байт, до %2 байт.</translation>
    </message>
    <message>
        <source>The file version is now 274: the file is saved as a 256-plane file without the version-273 cipher.</source>
        <translation>Версия файла теперь 274: файл сохраняется как файл на 256 самолётов без шифра версии 273.</translation>
    </message>
    <message>
        <source>The file version was %1 and is now 274, because only a version above 273 loads as a 256-plane file.</source>
        <translation>Версия файла была %1, теперь 274: только файл с версией выше 273 загружается как файл на 256 самолётов.</translation>
    </message>
    <message>
        <source>The file version is now %1.</source>
        <translation>Версия файла теперь %1.</translation>
    </message>
    <message>
        <source>&quot;Regenerate Offsets&quot; works on 128- and 256-plane files; this file is in the original 63-plane layout.</source>
        <translation>«Пересчитать смещения» работает с файлами на 128 и 256 самолётов; этот файл — в исходном формате на 63 самолёта.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 would lie at byte %3, over the file&apos;s header and shared tables.</source>
        <translation>Новая %1 самолёта %2 легла бы на байт %3, поверх заголовка и общих таблиц файла.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 would lie at byte %3; the directory holds offsets below %4.</source>
        <translation>Новая %1 самолёта %2 легла бы на байт %3; каталог хранит смещения меньше %4.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 would end at byte %3; a plane data file holds at most %4 bytes.</source>
        <translation>Новая %1 самолёта %2 кончалась бы на байте %3; файл данных самолётов вмещает не больше %4 байт.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 at byte %3 would overlap a block of another plane at byte %4: the planes&apos; blocks do not follow each other at one stride.</source>
        <translation>Новая %1 самолёта %2 на байте %3 перекрыла бы блок другого самолёта на байте %4: блоки самолётов идут не с одним шагом.</translation>
    </message>
    <message>
        <source>New planes are placed one stride apart, the distance between planes 2 and 3, and these need a record and a damage map each.</source>
        <translation>Новые самолёты размещаются с шагом, равным расстоянию между самолётами 2 и 3, а для этого у обоих нужны запись и карта повреждений.</translation>
    </message>
    <message>
        <source>Plane %1 has no directory entry: this layout has room for %2 planes.</source>
        <translation>У самолёта %1 нет записи каталога: в этом формате место для %2 самолётов.</translation>
    </message>
    <message>
        <source>The damage profile of plane %1 lies outside the file.</source>
        <translation>Профиль повреждений самолёта %1 лежит за пределами файла.</translation>
    </message>
    <message>
        <source>Plane %1 has no blocks that plane %2&apos;s could follow.</source>
        <translation>У самолёта %1 нет блоков, за которыми могли бы идти блоки самолёта %2.</translation>
    </message>
    <message>
        <source>Every plane has its blocks; no offsets were regenerated.</source>
        <translation>У всех самолётов есть свои блоки; смещения не пересчитаны.</translation>
    </message>
    <message>
        <source>Offsets regenerated for %1.</source>
        <translation>Смещения пересчитаны для %1.</translation>
    </message>
    <message>
        <source>The file grew to %1 bytes.</source>
        <translation>Файл вырос до %1 байт.</translation>
    </message>
    <message>
        <source>this is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>именованный канал</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>символьное устройство</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>блочное устройство</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>особый файл</translation>
    </message>
    <message>
        <source>not a regular file (%1)</source>
        <translation>не обычный файл (%1)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>the name leads into a loop of symbolic links</source>
        <translation>имя ведёт в петлю символических ссылок</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>не указано имя файла</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes; %2</source>
        <translation>в нём больше %1 байт; %2</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>папка %1 не существует</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — не папка</translation>
    </message>
    <message>
        <source>; only regular files are replaced</source>
        <translation>; заменяются только обычные файлы</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; %2</source>
        <translation>длина файла %1 байт; %2</translation>
    </message>
    <message>
        <source>not a regular file (a special file)</source>
        <translation>не обычный файл (особый файл)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to (%2)</source>
        <translation>в папку %1 нельзя записывать (%2)</translation>
    </message>
    <message>
        <source>this is a symbolic link, not a file</source>
        <translation>это символическая ссылка, а не файл</translation>
    </message>
</context>
<context>
    <name>vw::fields</name>
    <message>
        <source>Plane is selectable</source>
        <translation>Самолёт можно выбрать</translation>
    </message>
    <message>
        <source>Plane name</source>
        <translation>Название самолёта</translation>
    </message>
    <message>
        <source>Icon in air</source>
        <translation>Значок в воздухе</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Cocpit №1</source>
        <translation>Кабина №1</translation>
    </message>
    <message>
        <source>Cocpit №2</source>
        <translation>Кабина №2</translation>
    </message>
    <message>
        <source>3D Model</source>
        <translation>3D-модель</translation>
    </message>
    <message>
        <source>Plane Type</source>
        <translation>Тип самолёта</translation>
    </message>
    <message>
        <source>Slot index</source>
        <translation>Номер слота</translation>
    </message>
    <message>
        <source>Weapon group</source>
        <translation>Группа оружия</translation>
    </message>
    <message>
        <source>Weapon type</source>
        <translation>Тип оружия</translation>
    </message>
    <message>
        <source>Hvy Ammo</source>
        <translation>Тяжёлый боезапас</translation>
    </message>
    <message>
        <source>Bursts</source>
        <translation>Очереди</translation>
    </message>
    <message>
        <source>Ammo</source>
        <translation>Боезапас</translation>
    </message>
    <message>
        <source>Weapon Coordinates X</source>
        <translation>Координаты оружия X</translation>
    </message>
    <message>
        <source>Weapon Coordinates Y</source>
        <translation>Координаты оружия Y</translation>
    </message>
    <message>
        <source>Weapon Coordinates Z</source>
        <translation>Координаты оружия Z</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Damage part</source>
        <translation>Деталь повреждений</translation>
    </message>
    <message>
        <source>Trasser</source>
        <translation>Трассер</translation>
    </message>
    <message>
        <source>Assigned &apos;Key&apos;</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Vertical control type</source>
        <translation>Наведение по вертикали</translation>
    </message>
    <message>
        <source>Vertical Angle min</source>
        <translation>Угол по вертикали, мин.</translation>
    </message>
    <message>
        <source>Vertical Angle max</source>
        <translation>Угол по вертикали, макс.</translation>
    </message>
    <message>
        <source>Horizontal control type</source>
        <translation>Наведение по горизонтали</translation>
    </message>
    <message>
        <source>Horizontal Angle min</source>
        <translation>Угол по горизонтали, мин.</translation>
    </message>
    <message>
        <source>Horizontal Angle max</source>
        <translation>Угол по горизонтали, макс.</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Разброс</translation>
    </message>
    <message>
        <source>Config name</source>
        <translation>Название конфигурации</translation>
    </message>
    <message>
        <source>Number of weapons</source>
        <translation>Число единиц оружия</translation>
    </message>
    <message>
        <source>weapon</source>
        <translation>оружие</translation>
    </message>
    <message>
        <source>Number of configs</source>
        <translation>Число конфигураций</translation>
    </message>
    <message>
        <source>config</source>
        <translation>конфигурация</translation>
    </message>
    <message>
        <source>primary row</source>
        <translation>строка лётной модели</translation>
    </message>
    <message>
        <source>trailing row</source>
        <translation>последняя строка</translation>
    </message>
    <message>
        <source>Speed (mph)</source>
        <translation>Скорость (миль/ч)</translation>
    </message>
    <message>
        <source>Engine power</source>
        <translation>Мощность двигателя</translation>
    </message>
    <message>
        <source>Speed points</source>
        <translation>Точки скорости</translation>
    </message>
    <message>
        <source>Altitude rows</source>
        <translation>Строки высоты</translation>
    </message>
    <message>
        <source>Unknown engine parameter</source>
        <translation>Неизвестный параметр двигателя</translation>
    </message>
    <message>
        <source>altitude row</source>
        <translation>строка высоты</translation>
    </message>
    <message>
        <source>speed point</source>
        <translation>точка скорости</translation>
    </message>
    <message>
        <source>WEP Fuel</source>
        <translation>Топливо</translation>
    </message>
    <message>
        <source>WEP Overheet</source>
        <translation>Перегрев</translation>
    </message>
    <message>
        <source>WEP Cooling</source>
        <translation>Охлаждение</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Enabled&apos;</source>
        <translation>Текст при включении форсажа</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Disabled&apos;</source>
        <translation>Текст при выключении форсажа</translation>
    </message>
    <message>
        <source>Text String on &apos;Out of WEP&apos;</source>
        <translation>Текст при окончании форсажа</translation>
    </message>
    <message>
        <source>WEP Power</source>
        <translation>Мощность форсажа</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Тангаж</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>Рыскание</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Крен</translation>
    </message>
    <message>
        <source>column</source>
        <translation>столбец</translation>
    </message>
    <message>
        <source>handling row</source>
        <translation>строка управляемости</translation>
    </message>
    <message>
        <source>damage map level</source>
        <translation>уровень карты повреждений</translation>
    </message>
    <message>
        <source>row</source>
        <translation>строка</translation>
    </message>
    <message>
        <source>Damage 1</source>
        <translation>Урон 1</translation>
    </message>
    <message>
        <source>Damage 2</source>
        <translation>Урон 2</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Броня</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Множитель</translation>
    </message>
    <message>
        <source>damage profile part</source>
        <translation>деталь профиля повреждений</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Крылья</translation>
    </message>
    <message>
        <source>wing</source>
        <translation>крыло</translation>
    </message>
    <message>
        <source>Name bytes</source>
        <translation>Байты названия</translation>
    </message>
    <message>
        <source>Ammunition name</source>
        <translation>Название боеприпаса</translation>
    </message>
    <message>
        <source>AP Damage</source>
        <translation>Бронебойный урон</translation>
    </message>
    <message>
        <source>HE Damage</source>
        <translation>Фугасный урон</translation>
    </message>
    <message>
        <source>HE Range</source>
        <translation>Радиус фугасного действия</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>Param 1</source>
        <translation>Параметр 1</translation>
    </message>
    <message>
        <source>Param 2</source>
        <translation>Параметр 2</translation>
    </message>
    <message>
        <source>ammunition</source>
        <translation>боеприпас</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>Версия файла</translation>
    </message>
    <message>
        <source>Misc.bin format</source>
        <translation>Формат misc.bin</translation>
    </message>
    <message>
        <source>Number of Planes</source>
        <translation>Число самолётов</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Самолёт</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>самолёт</translation>
    </message>
    <message>
        <source>Pitch, Yaw or Roll</source>
        <translation>Тангаж, рыскание или крен</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel</name>
    <message>
        <source>Estimated time of flight: %1 h</source>
        <translation>Расчётное время полёта: %1 ч</translation>
    </message>
    <message>
        <source>Max Positive Overload: %1 G</source>
        <translation>Макс. положительная перегрузка: %1 G</translation>
    </message>
    <message>
        <source>Max Negative Overload: %1 G</source>
        <translation>Макс. отрицательная перегрузка: %1 G</translation>
    </message>
    <message>
        <source>Base Weight/Weight: %1</source>
        <translation>Базовый вес/вес: %1</translation>
    </message>
    <message>
        <source>Fuel load (in liters): %1</source>
        <translation>Запас топлива (л): %1</translation>
    </message>
    <message>
        <source>Fuel consumption (in liters): %1</source>
        <translation>Расход топлива (л): %1</translation>
    </message>
    <message>
        <source>500m alt low speed: %1 hp</source>
        <translation>500 м, малая скорость: %1 л.с.</translation>
    </message>
    <message>
        <source>4000m alt med speed: %1 hp</source>
        <translation>4000 м, средняя скорость: %1 л.с.</translation>
    </message>
    <message>
        <source>8000m alt high speed: %1 hp</source>
        <translation>8000 м, высокая скорость: %1 л.с.</translation>
    </message>
    <message>
        <source>current</source>
        <translation>текущий</translation>
    </message>
    <message>
        <source>The handling grid has columns 1 to 3 and rows 1 to 41, not (%1, %2).</source>
        <translation>В таблице управляемости столбцы 1–3 и строки 1–41, клетки (%1, %2) нет.</translation>
    </message>
    <message>
        <source>A factor of %1 tenths is outside 1..15.</source>
        <translation>Множитель %1 десятых вне диапазона 1..15.</translation>
    </message>
    <message>
        <source>No %1 plane is chosen.</source>
        <translation>Не выбран %1 самолёт.</translation>
    </message>
    <message>
        <source>The file has no plane %1 (it holds %2 planes).</source>
        <translation>В файле нет самолёта %1 (самолётов в нём: %2).</translation>
    </message>
    <message>
        <source>Plane %1 has no plane record.</source>
        <translation>У самолёта %1 нет записи самолёта.</translation>
    </message>
    <message>
        <source>source</source>
        <translation>исходный</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>целевой</translation>
    </message>
    <message>
        <source>The copy buffer has slots 1 to %1; there is no slot %2.</source>
        <translation>В буфере копирования ячейки с 1 по %1; ячейки %2 нет.</translation>
    </message>
    <message>
        <source>The copy buffer ends at slot %1: %2 planes from slot %3 do not fit.</source>
        <translation>Буфер копирования кончается на ячейке %1: %2 самолётов с ячейки %3 не помещаются.</translation>
    </message>
    <message>
        <source>Plane %1 has no entry in the plane directory.</source>
        <translation>У самолёта %1 нет записи в каталоге самолётов.</translation>
    </message>
    <message>
        <source>The file ends at plane %1: %2 of %3 planes %4.</source>
        <translation>Файл кончается на самолёте %1: %4 %2 из %3 самолётов.</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>скопировано</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>вставлено</translation>
    </message>
    <message>
        <source>Slot %1 of the copy buffer is empty: copy a plane into it first.</source>
        <translation>Ячейка %1 буфера копирования пуста: сначала скопируйте в неё самолёт.</translation>
    </message>
    <message>
        <source>Engine power cell (%1, %2) is outside the 20 x 80 matrix.</source>
        <translation>Клетка мощности двигателя (%1, %2) лежит вне матрицы 20 x 80.</translation>
    </message>
    <message>
        <source>Integer overflow: %1 seconds is %2 milliseconds, more than a WEP time holds (-2147483648 to 2147483647). The time keeps its value.</source>
        <translation>Переполнение: %1 с — это %2 мс, больше, чем вмещает время форсажа (от -2147483648 до 2147483647). Время не изменено.</translation>
    </message>
    <message>
        <source>The handling table has rows 0 to 40, not %1.</source>
        <translation>В таблице управляемости строки с 0 по 40, строки %1 нет.</translation>
    </message>
    <message>
        <source>Record bytes %1..%2 lie outside the 31208-byte plane record.</source>
        <translation>Байты %1..%2 лежат вне записи самолёта длиной 31208 байт.</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::EngineWepPage</name>
    <message>
        <source>Altitude (meters)</source>
        <translation>Высота (м)</translation>
    </message>
    <message>
        <source>WEP Power</source>
        <translation>Мощность форсажа</translation>
    </message>
    <message>
        <source>Matrix size</source>
        <translation>Размер матрицы</translation>
    </message>
    <message>
        <source>Unknown engine parameter:</source>
        <translation>Неизвестный параметр двигателя:</translation>
    </message>
    <message>
        <source>Мах flying altitude in 1000 ft increments</source>
        <translation>Макс. высота полёта, шаг 1000 футов</translation>
    </message>
    <message>
        <source>Number of maximum speed engine points</source>
        <translation>Число точек скорости двигателя</translation>
    </message>
    <message>
        <source>Wep Controls</source>
        <translation>Форсаж</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Enabled&apos; :</source>
        <translation>Текст «форсаж включён»:</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Disabled&apos; :</source>
        <translation>Текст «форсаж выключен»:</translation>
    </message>
    <message>
        <source>Text String on &apos;Out of WEP&apos; :</source>
        <translation>Текст «форсаж исчерпан»:</translation>
    </message>
    <message>
        <source>WEP Times sec:</source>
        <translation>Время форсажа, с:</translation>
    </message>
    <message>
        <source>WEP Fuel</source>
        <translation>Топливо</translation>
    </message>
    <message>
        <source>WEP Overheet</source>
        <translation>Перегрев</translation>
    </message>
    <message>
        <source>WEP Cooling</source>
        <translation>Охлаждение</translation>
    </message>
    <message>
        <source>Current pos:</source>
        <translation>Позиция:</translation>
    </message>
    <message>
        <source>I.e. : </source>
        <translation>То есть: </translation>
    </message>
    <message>
        <source> m</source>
        <translation> м</translation>
    </message>
    <message>
        <source>Altitude rows</source>
        <translation>Строки высоты</translation>
    </message>
    <message>
        <source>Speed points</source>
        <translation>Точки скорости</translation>
    </message>
    <message>
        <source>Unknown engine parameter</source>
        <translation>Неизвестный параметр двигателя</translation>
    </message>
    <message>
        <source>WEP text</source>
        <translation>Текст форсажа</translation>
    </message>
    <message>
        <source>WEP time</source>
        <translation>Время форсажа</translation>
    </message>
    <message>
        <source>Engine and WEP</source>
        <translation>Двигатель и форсаж</translation>
    </message>
    <message>
        <source>WEP Power at %1 m</source>
        <translation>Мощность форсажа на %1 м</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::FlightModelAdjustmentsWidget</name>
    <message>
        <source>Flight model adjustments</source>
        <translation>Правка лётных моделей</translation>
    </message>
    <message>
        <source>Reduce Roll Inertia</source>
        <translation>Уменьшить инерцию крена</translation>
    </message>
    <message>
        <source>Every plane: primary rows 4 and 7 times 2.</source>
        <translation>Все самолёты: основные строки 4 и 7 умножаются на 2.</translation>
    </message>
    <message>
        <source>Reduce Low Speed Handling</source>
        <translation>Ухудшить управляемость на малой скорости</translation>
    </message>
    <message>
        <source>Every plane: handling at 0, 40 and 80 mph times 0.4/0.4/0.1, 0.7/0.7/0.4 and 0.9/0.9/0.7 (pitch/yaw/roll).</source>
        <translation>Все самолёты: управляемость на 0, 40 и 80 миль/ч умножается на 0.4/0.4/0.1, 0.7/0.7/0.4 и 0.9/0.9/0.7 (тангаж/рыскание/крен).</translation>
    </message>
    <message>
        <source>Increase Low Speed Handling</source>
        <translation>Улучшить управляемость на малой скорости</translation>
    </message>
    <message>
        <source>Every plane: pitch and yaw at 0 mph times 1.2, at most 1.0.</source>
        <translation>Все самолёты: тангаж и рыскание на 0 миль/ч умножаются на 1.2, не больше 1.0.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 planes changed.</source>
        <translation>%1: изменено самолётов: %2 из %3.</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::HandlingPage</name>
    <message>
        <source>Speed (mph)</source>
        <translation>Скорость (миль/ч)</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Тангаж</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>Рыскание</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Крен</translation>
    </message>
    <message>
        <source>Up One Notch</source>
        <translation>На шаг вверх</translation>
    </message>
    <message>
        <source>The selected cell&apos;s value is dropped; the values below it in the column move up one row (40 mph slower).</source>
        <translation>Значение выбранной ячейки удаляется; значения ниже в столбце поднимаются на строку (на 40 миль/ч медленнее).</translation>
    </message>
    <message>
        <source>Down One Notch</source>
        <translation>На шаг вниз</translation>
    </message>
    <message>
        <source>The values from the selected cell on move down one row (40 mph faster); the 1600 mph value is dropped.</source>
        <translation>Значения от выбранной ячейки опускаются на строку (на 40 миль/ч быстрее); значение для 1600 миль/ч удаляется.</translation>
    </message>
    <message>
        <source>Select a pitch, yaw or roll cell of the handling table first.</source>
        <translation>Сначала выберите ячейку тангажа, рыскания или крена в таблице управляемости.</translation>
    </message>
    <message>
        <source>%1: the 1600 mph row has nothing below it to move.</source>
        <translation>%1: под строкой 1600 миль/ч нечего сдвигать.</translation>
    </message>
    <message>
        <source>%1: %2 from %3 mph on shifted.</source>
        <translation>%1: %2 сдвинуто начиная с %3 миль/ч.</translation>
    </message>
    <message>
        <source>Handiling</source>
        <translation>Управляемость</translation>
    </message>
    <message>
        <source>%1 at %2 mph</source>
        <translation>%1 при %2 миль/ч</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::HeaderPage</name>
    <message>
        <source>Plane header &amp;&amp; Plane copy</source>
        <translation>Заголовок и копирование самолёта</translation>
    </message>
    <message>
        <source>Plane name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Icon in air:</source>
        <translation>Значок в воздухе:</translation>
    </message>
    <message>
        <source>Sounds:</source>
        <translation>Звуки:</translation>
    </message>
    <message>
        <source>Cocpit №1:</source>
        <translation>Кабина №1:</translation>
    </message>
    <message>
        <source>Cocpit №2:</source>
        <translation>Кабина №2:</translation>
    </message>
    <message>
        <source>3D Model:</source>
        <translation>3D-модель:</translation>
    </message>
    <message>
        <source>Plane Type</source>
        <translation>Тип самолёта</translation>
    </message>
    <message>
        <source>Fighter</source>
        <translation>Истребитель</translation>
    </message>
    <message>
        <source>Bomber</source>
        <translation>Бомбардировщик</translation>
    </message>
    <message>
        <source>Plane is selectable</source>
        <translation>Самолёт можно выбрать</translation>
    </message>
    <message>
        <source>Weapon Loadouts</source>
        <translation>Вооружение</translation>
    </message>
    <message>
        <source>Copy 98 nodes</source>
        <translation>Копировать 98 узлов</translation>
    </message>
    <message>
        <source>Plane header</source>
        <translation>Заголовок самолёта</translation>
    </message>
    <message>
        <source>Copy loadouts</source>
        <translation>Копирование вооружения</translation>
    </message>
    <message>
        <source>Copy 98 nodes copies planes 3..99 onto planes 102..198: the file needs at least 198 planes, each with a plane record; it has %1 planes.</source>
        <translation>Копирование 98 узлов переносит самолёты 3..99 на 102..198: в файле нужно не меньше 198 самолётов с записями; в нём самолётов: %1.</translation>
    </message>
    <message>
        <source>Copy loadouts: choose a source and a destination plane, both with a plane record.</source>
        <translation>Копирование вооружения: выберите самолёт-источник и самолёт-получатель, оба с записями.</translation>
    </message>
    <message>
        <source>Copy process complete!</source>
        <translation>Копирование завершено!</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Копирование невозможно!</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::PlaneBufferWidget</name>
    <message>
        <source>Copy/Paste all plane data</source>
        <translation>Копирование всех данных самолёта</translation>
    </message>
    <message>
        <source>Active buffer position:</source>
        <translation>Позиция в буфере:</translation>
    </message>
    <message>
        <source>Batch handle:</source>
        <translation>Сколько за раз:</translation>
    </message>
    <message>
        <source>Auto Increment</source>
        <translation>Автоприращение</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Copy a plane into the buffer first.</source>
        <translation>Сначала скопируйте самолёт в буфер.</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Копирование невозможно!</translation>
    </message>
    <message>
        <source>Paste all plane data</source>
        <translation>Вставка всех данных самолёта</translation>
    </message>
    <message>
        <source>planes %1 to %2</source>
        <translation>самолёты с %1 по %2</translation>
    </message>
    <message>
        <source>slots %1 to %2</source>
        <translation>ячейки с %1 по %2</translation>
    </message>
    <message>
        <source>Buffer %1 pasted onto %2.</source>
        <translation>Буфер (%1) вставлен в %2.</translation>
    </message>
    <message>
        <source>Copied %1 into buffer %2.</source>
        <translation>Скопировано: %1 в буфер (%2).</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::PlaneCopyWidget</name>
    <message>
        <source>Flight model</source>
        <translation>Лётная модель</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Двигатели</translation>
    </message>
    <message>
        <source>Copy only first X cols</source>
        <translation>Только первые X столбцов</translation>
    </message>
    <message>
        <source>Columns of the engine power matrix, 0 to %1.</source>
        <translation>Столбцы матрицы мощности, от 0 до %1.</translation>
    </message>
    <message>
        <source>Copy only first X cols: &quot;%1&quot; is not a whole number, read as %2</source>
        <translation>Только первые X столбцов: «%1» — не целое число, прочитано как %2</translation>
    </message>
    <message>
        <source>Copy only first X cols: %1 limited to %2 (the matrix has %3 columns)</source>
        <translation>Только первые X столбцов: %1 ограничено до %2 (в матрице столбцов: %3)</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Копирование невозможно!</translation>
    </message>
    <message>
        <source>Copy process complete!</source>
        <translation>Копирование завершено!</translation>
    </message>
    <message>
        <source>Copy flight model</source>
        <translation>Копирование лётной модели</translation>
    </message>
    <message>
        <source>Flight model of plane %1 copied onto plane %2.</source>
        <translation>Лётная модель самолёта %1 скопирована на самолёт %2.</translation>
    </message>
    <message>
        <source>Copy first engine columns</source>
        <translation>Копирование первых столбцов двигателя</translation>
    </message>
    <message>
        <source>Copy engines</source>
        <translation>Копирование двигателей</translation>
    </message>
    <message>
        <source>Copy only first X cols with X = 0: no engine power cell copied.</source>
        <translation>Только первые X столбцов при X = 0: ни одна ячейка мощности не скопирована.</translation>
    </message>
    <message>
        <source>Engine power columns 1 to %1 of plane %2 copied onto plane %3.</source>
        <translation>Столбцы мощности 1..%1 самолёта %2 скопированы на самолёт %3.</translation>
    </message>
    <message>
        <source>Engine tables of plane %1 copied onto plane %2.</source>
        <translation>Таблицы двигателя самолёта %1 скопированы на самолёт %2.</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::PrimaryPage</name>
    <message>
        <source>Params</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Current pos:</source>
        <translation>Позиция:</translation>
    </message>
    <message>
        <source>Basic Stats:</source>
        <translation>Основное:</translation>
    </message>
    <message>
        <source>Engine power at:</source>
        <translation>Мощность на:</translation>
    </message>
    <message>
        <source>Primary configurations</source>
        <translation>Основные параметры</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::WingsPage</name>
    <message>
        <source>alt/num</source>
        <translation>выс./№</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Крылья</translation>
    </message>
    <message>
        <source>Wing %1 at %2 m</source>
        <translation>Крыло %1 на %2 м</translation>
    </message>
</context>
<context>
    <name>vw::powerchart::EnginePowerPage</name>
    <message>
        <source>m/mph</source>
        <translation>м/миль/ч</translation>
    </message>
    <message>
        <source>Raise the cells the scope button names (also the mouse wheel up over the grid)</source>
        <translation>Повысить ячейки, указанные кнопкой охвата (или колесо мыши вверх над таблицей)</translation>
    </message>
    <message>
        <source>Lower the cells the scope button names (also the mouse wheel down over the grid)</source>
        <translation>Понизить ячейки, указанные кнопкой охвата (или колесо мыши вниз над таблицей)</translation>
    </message>
    <message>
        <source>Scope of raise and lower, click for the next:
L-R: raise or lower the whole row
U-D: the whole column
-1+: the current cell
-2+, -4+, -6+: the cell and its neighbours in the row
SEL: every selected cell</source>
        <translation>Охват повышения и понижения, щелчок — следующий:
L-R: вся строка
U-D: весь столбец
-1+: текущая ячейка
-2+, -4+, -6+: ячейка и её соседи в строке
SEL: все выделенные ячейки</translation>
    </message>
    <message>
        <source>Chart mode: down shows power over altitude, up power over speed</source>
        <translation>Вид графика: нажата — мощность по высоте, отжата — мощность по скорости</translation>
    </message>
    <message>
        <source>Очистить контрольные точки</source>
        <translation>Очистить контрольные точки</translation>
    </message>
    <message>
        <source>Removes every control point of the chart.</source>
        <translation>Удаляет все контрольные точки графика.</translation>
    </message>
    <message>
        <source>Выставить контрольные точки</source>
        <translation>Выставить контрольные точки</translation>
    </message>
    <message>
        <source>Click on the chart from low altitude upwards; a right click takes the last one back.</source>
        <translation>Щёлкайте по графику снизу вверх по высоте; правый щелчок убирает последнюю точку.</translation>
    </message>
    <message>
        <source>Apply the control points: fill the current column between them in straight lines</source>
        <translation>Применить контрольные точки: заполнить текущий столбец прямыми между ними</translation>
    </message>
    <message>
        <source>Нормализовать значения (x.xxx)</source>
        <translation>Нормализовать значения (x.xxx)</translation>
    </message>
    <message>
        <source>Rounds every value of the matrix to three decimals.</source>
        <translation>Округляет все значения матрицы до трёх знаков.</translation>
    </message>
    <message>
        <source>Raise engine power</source>
        <translation>Повышение мощности</translation>
    </message>
    <message>
        <source>Lower engine power</source>
        <translation>Понижение мощности</translation>
    </message>
    <message>
        <source>Engine power %1 (%2): %3 cell(s) of plane %4, row %5.</source>
        <translation>Мощность %1 (%2): ячеек: %3, самолёт %4, строка %5.</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>повышена</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>понижена</translation>
    </message>
    <message>
        <source>Apply control points</source>
        <translation>Применение контрольных точек</translation>
    </message>
    <message>
        <source>Normalise engine power</source>
        <translation>Нормализация мощности</translation>
    </message>
    <message>
        <source>Altitude: </source>
        <translation>Высота: </translation>
    </message>
    <message>
        <source> m.  Power: </source>
        <translation> м.  Мощность: </translation>
    </message>
    <message>
        <source>Engine Power #1</source>
        <translation>Мощность двигателя №1</translation>
    </message>
    <message>
        <source>Speed point %1</source>
        <translation>Точка скорости %1</translation>
    </message>
    <message>
        <source>Power at %1 m, speed point %2</source>
        <translation>Мощность на %1 м, точка скорости %2</translation>
    </message>
</context>
<context>
    <name>vw::powerchart::PowerChart</name>
    <message>
        <source>Altitude</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
</context>
<context>
    <name>vw::weapons</name>
    <message>
        <source>An ammunition name has 19 bytes, not %1.</source>
        <translation>В имени боеприпаса 19 байт, а не %1.</translation>
    </message>
    <message>
        <source>The file&apos;s ammunition table does not hold the %1 entries the editor uses.</source>
        <translation>В таблице боеприпасов файла нет всех %1 записей, с которыми работает редактор.</translation>
    </message>
    <message>
        <source>A configuration has weapon slots 1 to 16, not %1.</source>
        <translation>В конфигурации ячейки оружия с 1 по 16, ячейки %1 нет.</translation>
    </message>
    <message>
        <source>A plane has configurations 1 to 8, not %1.</source>
        <translation>У самолёта конфигурации с 1 по 8, конфигурации %1 нет.</translation>
    </message>
    <message>
        <source>Plane %1 has no plane record in the file, so it has no weapons.</source>
        <translation>У самолёта %1 нет записи в файле, поэтому у него нет оружия.</translation>
    </message>
</context>
<context>
    <name>vw::weapons::AmmoPage</name>
    <message>
        <source>Weapons</source>
        <translation>Оружие</translation>
    </message>
    <message>
        <source>AP Damage:</source>
        <translation>Бронебойный урон:</translation>
    </message>
    <message>
        <source>HE Damage:</source>
        <translation>Фугасный урон:</translation>
    </message>
    <message>
        <source>HE Range:</source>
        <translation>Радиус фугаса:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Масса:</translation>
    </message>
    <message>
        <source>Param 1:</source>
        <translation>Параметр 1:</translation>
    </message>
    <message>
        <source>Param 2:</source>
        <translation>Параметр 2:</translation>
    </message>
    <message>
        <source>Half Damage</source>
        <translation>Урон вдвое меньше</translation>
    </message>
    <message>
        <source>Double Damage</source>
        <translation>Урон вдвое больше</translation>
    </message>
    <message>
        <source>Copy All Data</source>
        <translation>Копировать всё</translation>
    </message>
    <message>
        <source>Paste All Data</source>
        <translation>Вставить всё</translation>
    </message>
    <message>
        <source>Copy All Data first: the clipboard is empty.</source>
        <translation>Сначала нажмите «Копировать всё»: буфер пуст.</translation>
    </message>
    <message>
        <source>Ammunition </source>
        <translation>Боеприпас: </translation>
    </message>
    <message>
        <source>Half Damage: AP and HE damage of entries 0 to %1 halved.</source>
        <translation>Урон вдвое меньше: бронебойный и фугасный урон записей 0..%1 уменьшен вдвое.</translation>
    </message>
    <message>
        <source>Double Damage: AP and HE damage of entries 0 to %1 doubled.</source>
        <translation>Урон вдвое больше: бронебойный и фугасный урон записей 0..%1 удвоен.</translation>
    </message>
    <message>
        <source>Double Damage: AP and HE damage doubled; the HE damage of %1 %2 was left as it was, as its double would not fit the field.</source>
        <translation>Урон вдвое больше: бронебойный и фугасный урон удвоен; фугасный урон (%2: %1) оставлен как был — удвоенный не помещается в поле.</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>запись</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>записи</translation>
    </message>
    <message>
        <source>Copy All Data: the numbers of entries 0 to %1 are kept for Paste All Data.</source>
        <translation>Копировать всё: числа записей 0..%1 запомнены для «Вставить всё».</translation>
    </message>
    <message>
        <source>Paste All Data: the numbers of entries 0 to %1 pasted; their names are kept.</source>
        <translation>Вставить всё: числа записей 0..%1 вставлены; названия сохранены.</translation>
    </message>
    <message>
        <source>Paste All Data: the clipboard is empty; Copy All Data first.</source>
        <translation>Вставить всё: буфер пуст; сначала нажмите «Копировать всё».</translation>
    </message>
</context>
<context>
    <name>vw::weapons::MoreGun</name>
    <message>
        <source>0: Large MG Turret</source>
        <translation>0: Большая пулемётная турель</translation>
    </message>
    <message>
        <source>1: NOT USED</source>
        <translation>1: НЕ ИСПОЛЬЗУЕТСЯ</translation>
    </message>
    <message>
        <source>2: Heavy Powered Turret</source>
        <translation>2: Тяжёлая турель с приводом</translation>
    </message>
    <message>
        <source>3: Single Barreled MG</source>
        <translation>3: Одноствольный пулемёт</translation>
    </message>
    <message>
        <source>4: Dual Barreled MG</source>
        <translation>4: Спаренный пулемёт</translation>
    </message>
    <message>
        <source>5: NOT USED</source>
        <translation>5: НЕ ИСПОЛЬЗУЕТСЯ</translation>
    </message>
    <message>
        <source>6: Small Chain MG</source>
        <translation>6: Малый цепной пулемёт</translation>
    </message>
    <message>
        <source>7: NOT USED</source>
        <translation>7: НЕ ИСПОЛЬЗУЕТСЯ</translation>
    </message>
    <message>
        <source>8: Small Disc MG</source>
        <translation>8: Малый дисковый пулемёт</translation>
    </message>
    <message>
        <source>0: Machie Gun</source>
        <translation>0: Пулемёт</translation>
    </message>
    <message>
        <source>1: Turret</source>
        <translation>1: Турель</translation>
    </message>
    <message>
        <source>More Weapons</source>
        <translation>Оружие: дополнительно</translation>
    </message>
    <message>
        <source>Top View</source>
        <translation>Вид сверху</translation>
    </message>
    <message>
        <source>Front View</source>
        <translation>Вид спереди</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Control type X/Y:</source>
        <translation>Наведение X/Y:</translation>
    </message>
    <message>
        <source>Assigned &apos;Key&apos;:</source>
        <translation>Клавиша:</translation>
    </message>
    <message>
        <source>Damage:</source>
        <translation>Урон:</translation>
    </message>
    <message>
        <source>Trasser:</source>
        <translation>Трассер:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Задержка:</translation>
    </message>
    <message>
        <source>Vertical Angle:</source>
        <translation>Угол по вертикали:</translation>
    </message>
    <message>
        <source>Horizontal Angle:</source>
        <translation>Угол по горизонтали:</translation>
    </message>
    <message>
        <source>Weapon Coordinates</source>
        <translation>Координаты оружия</translation>
    </message>
    <message>
        <source>Х:</source>
        <translation>Х:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source> coordinate</source>
        <translation> (координата)</translation>
    </message>
    <message>
        <source>Assigned &apos;Key&apos;</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>клавиша %1</translation>
    </message>
    <message>
        <source>Vertical Angle min:</source>
        <translation>Угол по вертикали, мин.:</translation>
    </message>
    <message>
        <source>Vertical Angle max:</source>
        <translation>Угол по вертикали, макс.:</translation>
    </message>
    <message>
        <source>Horizontal Angle min:</source>
        <translation>Угол по горизонтали, мин.:</translation>
    </message>
    <message>
        <source>Horizontal Angle max:</source>
        <translation>Угол по горизонтали, макс.:</translation>
    </message>
    <message>
        <source>Vertical control type</source>
        <translation>Наведение по вертикали</translation>
    </message>
    <message>
        <source>Horizontal control type</source>
        <translation>Наведение по горизонтали</translation>
    </message>
    <message>
        <source>Damage part</source>
        <translation>Деталь повреждений</translation>
    </message>
    <message>
        <source>min:</source>
        <translation>мин.:</translation>
    </message>
    <message>
        <source>max:</source>
        <translation>макс.:</translation>
    </message>
</context>
<context>
    <name>vw::weapons::WeaponAdjustmentsWidget</name>
    <message>
        <source>Weapons of all planes</source>
        <translation>Оружие всех самолётов</translation>
    </message>
    <message>
        <source>Set Bursts to Ammo as 1 to 1</source>
        <translation>Очереди = боезапас (1 к 1)</translation>
    </message>
    <message>
        <source>Reduce Deviation</source>
        <translation>Уменьшить разброс</translation>
    </message>
    <message>
        <source>Set Bomb deviation to</source>
        <translation>Разброс бомб:</translation>
    </message>
    <message>
        <source>Deviation of the bombs of fighters</source>
        <translation>Разброс бомб истребителей</translation>
    </message>
    <message>
        <source>Deviation of the bombs of bombers</source>
        <translation>Разброс бомб бомбардировщиков</translation>
    </message>
    <message>
        <source>Set trasser count</source>
        <translation>Задать число трассеров</translation>
    </message>
    <message>
        <source>Reduce Fire Delay Twice</source>
        <translation>Вдвое уменьшить задержку огня</translation>
    </message>
    <message>
        <source>Remove Skip Bombs</source>
        <translation>Убрать бомбы-прыгуны</translation>
    </message>
    <message>
        <source>: no plane of this file has a plane record, so no weapon changed</source>
        <translation>: ни у одного самолёта файла нет записи, оружие не изменено</translation>
    </message>
    <message>
        <source>%1: %2 weapons on %3 planes</source>
        <translation>%1: оружия: %2, самолётов: %3</translation>
    </message>
</context>
<context>
    <name>vw::weapons::WeaponsPage</name>
    <message>
        <source>Copy process complete!</source>
        <translation>Копирование завершено!</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Копирование невозможно!</translation>
    </message>
    <message>
        <source>Summary (*permanent at present):</source>
        <translation>Сводка (*пока постоянная):</translation>
    </message>
    <message>
        <source>Manage configs</source>
        <translation>Конфигурации</translation>
    </message>
    <message>
        <source>Copy config</source>
        <translation>Копировать конфигурацию</translation>
    </message>
    <message>
        <source>Current config:</source>
        <translation>Текущая конфигурация:</translation>
    </message>
    <message>
        <source>Number of configs:</source>
        <translation>Число конфигураций:</translation>
    </message>
    <message>
        <source>Source config:</source>
        <translation>Откуда:</translation>
    </message>
    <message>
        <source>Destination config:</source>
        <translation>Куда:</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Оружие</translation>
    </message>
    <message>
        <source>Дополнительно</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Current weapon:</source>
        <translation>Текущее оружие:</translation>
    </message>
    <message>
        <source>Weapon group:</source>
        <translation>Группа оружия:</translation>
    </message>
    <message>
        <source>Hvy Ammo:</source>
        <translation>Тяжёлый боезапас:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Разброс:</translation>
    </message>
    <message>
        <source>Ammo:</source>
        <translation>Боезапас:</translation>
    </message>
    <message>
        <source>Bursts:</source>
        <translation>Очереди:</translation>
    </message>
    <message>
        <source>List of weapons:</source>
        <translation>Оружие конфигурации:</translation>
    </message>
    <message>
        <source>Managing weapons</source>
        <translation>Управление оружием</translation>
    </message>
    <message>
        <source>Copy weapon</source>
        <translation>Копировать оружие</translation>
    </message>
    <message>
        <source>Number of weapons:</source>
        <translation>Число единиц оружия:</translation>
    </message>
    <message>
        <source>Plane:</source>
        <translation>Самолёт:</translation>
    </message>
    <message>
        <source>Config:</source>
        <translation>Конфигурация:</translation>
    </message>
    <message>
        <source>Weapon:</source>
        <translation>Оружие:</translation>
    </message>
    <message>
        <source>Source weapon</source>
        <translation>Откуда</translation>
    </message>
    <message>
        <source>Destination weapon</source>
        <translation>Куда</translation>
    </message>
    <message>
        <source>Plane %1 has no plane record in this file, so it has no weapon configurations to show or edit.</source>
        <translation>У самолёта %1 в этом файле нет записи, поэтому нет конфигураций оружия для показа и правки.</translation>
    </message>
    <message>
        <source>Config name</source>
        <translation>Название конфигурации</translation>
    </message>
    <message>
        <source>Number of configs</source>
        <translation>Число конфигураций</translation>
    </message>
    <message>
        <source>Number of weapons</source>
        <translation>Число единиц оружия</translation>
    </message>
    <message>
        <source>Weapon type</source>
        <translation>Тип оружия</translation>
    </message>
    <message>
        <source>Weapon group</source>
        <translation>Группа оружия</translation>
    </message>
    <message>
        <source>Ammo</source>
        <translation>Боезапас</translation>
    </message>
    <message>
        <source>Hvy Ammo</source>
        <translation>Тяжёлый боезапас</translation>
    </message>
    <message>
        <source>Bursts</source>
        <translation>Очереди</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Разброс</translation>
    </message>
    <message>
        <source>Copy config %1 to %2</source>
        <translation>Копирование конфигурации %1 в %2</translation>
    </message>
    <message>
        <source>Copy config: plane %1 has no plane record, so it has no configurations.</source>
        <translation>Копирование конфигурации: у самолёта %1 нет записи, поэтому нет конфигураций.</translation>
    </message>
    <message>
        <source>Copy weapon: choose a source and a destination weapon; a configuration without weapons, or a plane without a plane record, has none to choose.</source>
        <translation>Копирование оружия: выберите оружие-источник и оружие-получатель; у конфигурации без оружия или самолёта без записи выбирать нечего.</translation>
    </message>
    <message>
        <source>Copy weapon: the source or the destination plane has no plane record.</source>
        <translation>Копирование оружия: у самолёта-источника или получателя нет записи.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vw::app</name>
    <message>
        <source>%1 of %2 weapons changed on %3 planes</source>
        <translation>%1 of %2 weapons changed on %3 planes</translation>
    </message>
    <message>
        <source>%1 planes changed</source>
        <translation>%1 planes changed</translation>
    </message>
    <message>
        <source>AP and HE damage of ammunition 0 to 150 halved</source>
        <translation>AP and HE damage of ammunition 0 to 150 halved</translation>
    </message>
    <message>
        <source>AP and HE damage of ammunition 0 to 150 doubled</source>
        <translation>AP and HE damage of ammunition 0 to 150 doubled</translation>
    </message>
    <message>
        <source>; HE damage kept where its double does not fit: ammunition %1</source>
        <translation>; HE damage kept where its double does not fit: ammunition %1</translation>
    </message>
    <message>
        <source>%1 needs two numbers, as bomb-deviation=1,1.5</source>
        <translation>%1 needs two numbers, as bomb-deviation=1,1.5</translation>
    </message>
    <message>
        <source>unknown operation &quot;%1&quot;; the operations are %2</source>
        <translation>unknown operation &quot;%1&quot;; the operations are %2</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>an array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 is not an object</translation>
    </message>
    <message>
        <source>is not a field here</source>
        <translation>is not a field here</translation>
    </message>
    <message>
        <source>%1 is not an array</source>
        <translation>%1 is not an array</translation>
    </message>
    <message>
        <source>has %1 entries, the table has %2</source>
        <translation>has %1 entries, the table has %2</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation>%1 is outside %2..%3</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 is not a text</translation>
    </message>
    <message>
        <source>%1 is not %2 bytes as hex digits</source>
        <translation>%1 is not %2 bytes as hex digits</translation>
    </message>
    <message>
        <source>the file has no %1</source>
        <translation>the file has no %1</translation>
    </message>
    <message>
        <source>names no plane: give &quot;plane&quot; or &quot;name&quot;</source>
        <translation>names no plane: give &quot;plane&quot; or &quot;name&quot;</translation>
    </message>
    <message>
        <source>planes %1 and %2 are both named %3</source>
        <translation>planes %1 and %2 are both named %3</translation>
    </message>
    <message>
        <source>no plane is named %1</source>
        <translation>no plane is named %1</translation>
    </message>
    <message>
        <source>directory entry for plane %1</source>
        <translation>directory entry for plane %1</translation>
    </message>
    <message>
        <source>weapons for plane %1</source>
        <translation>weapons for plane %1</translation>
    </message>
    <message>
        <source>plane record for plane %1</source>
        <translation>plane record for plane %1</translation>
    </message>
    <message>
        <source>damage map for plane %1</source>
        <translation>damage map for plane %1</translation>
    </message>
    <message>
        <source>damage profile slot for plane %1</source>
        <translation>damage profile slot for plane %1</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 is not true or false</translation>
    </message>
    <message>
        <source>wings table</source>
        <translation>wings table</translation>
    </message>
    <message>
        <source>ammunition entry %1</source>
        <translation>ammunition entry %1</translation>
    </message>
    <message>
        <source>The patch is not a JSON object.</source>
        <translation>The patch is not a JSON object.</translation>
    </message>
    <message>
        <source>not JSON: %1 at offset %2</source>
        <translation>not JSON: %1 at offset %2</translation>
    </message>
    <message>
        <source>The file has planes 1 to %1, not %2.</source>
        <translation>The file has planes 1 to %1, not %2.</translation>
    </message>
    <message>
        <source>Line %1 of the wanted times of flight, &quot;%2&quot;, is not a number; no plane was changed.</source>
        <translation>Line %1 of the wanted times of flight, &quot;%2&quot;, is not a number; no plane was changed.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist; the settings are written only into an existing base folder</source>
        <translation>the folder %1 does not exist; the settings are written only into an existing base folder</translation>
    </message>
    <message>
        <source>the folder %1 could not be made: %2</source>
        <translation>the folder %1 could not be made: %2</translation>
    </message>
    <message>
        <source>a support file is read up to %1 bytes</source>
        <translation>a support file is read up to %1 bytes</translation>
    </message>
    <message>
        <source>something else has that name</source>
        <translation>something else has that name</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>the folder %1 could not be made</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2: %3</source>
        <translation>%1 could not be copied to %2: %3</translation>
    </message>
    <message>
        <source>has %1 entries; the file has 1 plane</source>
        <translation>has %1 entries; the file has 1 plane</translation>
    </message>
    <message>
        <source>has %1 entries; the file has %2 planes</source>
        <translation>has %1 entries; the file has %2 planes</translation>
    </message>
    <message>
        <source>it should hold one time of flight per plane, at most %1 bytes</source>
        <translation>it should hold one time of flight per plane, at most %1 bytes</translation>
    </message>
    <message>
        <source>the path of the plane data file</source>
        <translation>the path of the plane data file</translation>
    </message>
    <message>
        <source>the launcher path</source>
        <translation>the launcher path</translation>
    </message>
    <message>
        <source>%1 contains a line break, and the file holds one value a line; nothing was written</source>
        <translation>%1 contains a line break, and the file holds one value a line; nothing was written</translation>
    </message>
    <message>
        <source>the settings could not be put together</source>
        <translation>the settings could not be put together</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>the recorded changes do not fit the file</source>
        <translation>the recorded changes do not fit the file</translation>
    </message>
    <message>
        <source>the recovery file is damaged</source>
        <translation>the recovery file is damaged</translation>
    </message>
    <message>
        <source>the folder could not be made</source>
        <translation>the folder could not be made</translation>
    </message>
    <message>
        <source>the recovery file is in use</source>
        <translation>the recovery file is in use</translation>
    </message>
    <message>
        <source>Unsaved changes are no longer kept for recovery after a crash: %1: %2</source>
        <translation>Unsaved changes are no longer kept for recovery after a crash: %1: %2</translation>
    </message>
    <message>
        <source>a recovery file is at most 512 MB</source>
        <translation>a recovery file is at most 512 MB</translation>
    </message>
    <message>
        <source>this is no recovery file</source>
        <translation>this is no recovery file</translation>
    </message>
    <message>
        <source>the key %1 (%2 bytes) is not a field here</source>
        <translation>the key %1 (%2 bytes) is not a field here</translation>
    </message>
    <message>
        <source>%1 (%2 bytes) is longer than any field holds</source>
        <translation>%1 (%2 bytes) is longer than any field holds</translation>
    </message>
    <message>
        <source>is given twice</source>
        <translation>is given twice</translation>
    </message>
    <message>
        <source>%1 is longer than the field&apos;s %2 characters</source>
        <translation>%1 is longer than the field&apos;s %2 characters</translation>
    </message>
    <message>
        <source>%1 has characters the file cannot hold</source>
        <translation>%1 has characters the file cannot hold</translation>
    </message>
    <message>
        <source>%1 has a control character, which the field cannot hold</source>
        <translation>%1 has a control character, which the field cannot hold</translation>
    </message>
    <message>
        <source>plane %1 is patched by planes[%2] already</source>
        <translation>plane %1 is patched by planes[%2] already</translation>
    </message>
    <message>
        <source>plane %1 is named %2, not %3</source>
        <translation>plane %1 is named %2, not %3</translation>
    </message>
    <message>
        <source>planes.dat (plane summaries)</source>
        <translation>planes.dat (plane summaries)</translation>
    </message>
    <message>
        <source>FM.ru.dat has %1 lines and FM.dat %2, so its rows would name other fields: the labels of FM.dat are shown.</source>
        <translation>FM.ru.dat has %1 lines and FM.dat %2, so its rows would name other fields: the labels of FM.dat are shown.</translation>
    </message>
    <message>
        <source>FM.dat (flight model row labels)</source>
        <translation>FM.dat (flight model row labels)</translation>
    </message>
    <message>
        <source>FM.dat has %1 lines; only the first %2 are used as flight model rows.</source>
        <translation>FM.dat has %1 lines; only the first %2 are used as flight model rows.</translation>
    </message>
    <message>
        <source>readme.txt (help text)</source>
        <translation>readme.txt (help text)</translation>
    </message>
    <message>
        <source>%1 is not the name raw_name holds (%2)</source>
        <translation>%1 is not the name raw_name holds (%2)</translation>
    </message>
    <message>
        <source>%1 is not this entry&apos;s row, %2</source>
        <translation>%1 is not this entry&apos;s row, %2</translation>
    </message>
    <message>
        <source>Files of different layouts cannot be merged: BASE has layout %1, OURS %2 and THEIRS %3.</source>
        <translation>Files of different layouts cannot be merged: BASE has layout %1, OURS %2 and THEIRS %3.</translation>
    </message>
    <message>
        <source>a value expected: a number, a text in double quotes or a field&apos;s pattern</source>
        <translation>a value expected: a number, a text in double quotes or a field&apos;s pattern</translation>
    </message>
    <message>
        <source>a value expected: a number or a text in double quotes</source>
        <translation>a value expected: a number or a text in double quotes</translation>
    </message>
    <message>
        <source>the text that starts here has no closing &quot;</source>
        <translation>the text that starts here has no closing &quot;</translation>
    </message>
    <message>
        <source>a backslash in a text is \&quot; or \\</source>
        <translation>a backslash in a text is \&quot; or \\</translation>
    </message>
    <message>
        <source>a value is a number or a text in double quotes</source>
        <translation>a value is a number or a text in double quotes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the value</source>
        <translation>unexpected &apos;%1&apos; after the value</translation>
    </message>
    <message>
        <source>the text has characters the file cannot hold</source>
        <translation>the text has characters the file cannot hold</translation>
    </message>
    <message>
        <source>the text has a control character, which the field cannot hold</source>
        <translation>the text has a control character, which the field cannot hold</translation>
    </message>
    <message>
        <source>the text has %1 characters, the field holds %2</source>
        <translation>the text has %1 characters, the field holds %2</translation>
    </message>
    <message>
        <source>error: %1 at column %2</source>
        <translation>error: %1 at column %2</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>note: %1</translation>
    </message>
    <message>
        <source>&apos;=&apos; assigns; a condition compares with ==</source>
        <translation>&apos;=&apos; assigns; a condition compares with ==</translation>
    </message>
    <message>
        <source>an operator expected: ==, !=, &lt;, &lt;=, &gt;, &gt;= or ~</source>
        <translation>an operator expected: ==, !=, &lt;, &lt;=, &gt;, &gt;= or ~</translation>
    </message>
    <message>
        <source>~ looks for a text: give it in double quotes</source>
        <translation>~ looks for a text: give it in double quotes</translation>
    </message>
    <message>
        <source>%1 holds numbers: compare it with a number</source>
        <translation>%1 holds numbers: compare it with a number</translation>
    </message>
    <message>
        <source>%1 holds a text: compare it with a text in double quotes</source>
        <translation>%1 holds a text: compare it with a text in double quotes</translation>
    </message>
    <message>
        <source>a text compares with ==, != or ~</source>
        <translation>a text compares with ==, != or ~</translation>
    </message>
    <message>
        <source>%1 describes the file and cannot be changed</source>
        <translation>%1 describes the file and cannot be changed</translation>
    </message>
    <message>
        <source>&apos;==&apos; compares; an assignment is =, +=, -=, *=, /=, min= or max=</source>
        <translation>&apos;==&apos; compares; an assignment is =, +=, -=, *=, /=, min= or max=</translation>
    </message>
    <message>
        <source>an assignment expected: =, +=, -=, *=, /=, min= or max=</source>
        <translation>an assignment expected: =, +=, -=, *=, /=, min= or max=</translation>
    </message>
    <message>
        <source>%1 holds a text: it takes only =</source>
        <translation>%1 holds a text: it takes only =</translation>
    </message>
    <message>
        <source>%1 cannot take the value of %2: they hold different kinds of values</source>
        <translation>%1 cannot take the value of %2: they hold different kinds of values</translation>
    </message>
    <message>
        <source>this wildcard stands for no wildcard of %1: the value would not be one field</source>
        <translation>this wildcard stands for no wildcard of %1: the value would not be one field</translation>
    </message>
    <message>
        <source>%1 holds numbers: give it a number</source>
        <translation>%1 holds numbers: give it a number</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>division by zero</translation>
    </message>
    <message>
        <source>%1 holds a text: give it a text in double quotes</source>
        <translation>%1 holds a text: give it a text in double quotes</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes: give them as %3 hex digits</source>
        <translation>%1 holds %2 bytes: give them as %3 hex digits</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>the wildcards of this column (%1) are not those of the first column (%2)</source>
        <translation>the wildcards of this column (%1) are not those of the first column (%2)</translation>
    </message>
    <message>
        <source>every column takes its rows from the first column&apos;s wildcards</source>
        <translation>every column takes its rows from the first column&apos;s wildcards</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>row %1, column %2: %3</translation>
    </message>
    <message>
        <source>the quote that opens the cell is not closed</source>
        <translation>the quote that opens the cell is not closed</translation>
    </message>
    <message>
        <source>text after the closing quote of the cell</source>
        <translation>text after the closing quote of the cell</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not start with one</source>
        <translation>a quote inside a cell that does not start with one</translation>
    </message>
</context>
<context>
    <name>vw::app::ChangeFieldsDialog</name>
    <message>
        <source>Change found fields</source>
        <translation>Change found fields</translation>
    </message>
    <message>
        <source>Only the found fields (the find&apos;s conditions must hold)</source>
        <translation>Only the found fields (the find&apos;s conditions must hold)</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Clamped</source>
        <translation>Clamped</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>clamped from %1</source>
        <translation>clamped from %1</translation>
    </message>
    <message>
        <source>%1 fields would change; the first %2 changes are listed.</source>
        <translation>%1 fields would change; the first %2 changes are listed.</translation>
    </message>
    <message>
        <source>1 field would change.</source>
        <translation>1 field would change.</translation>
    </message>
    <message>
        <source>%1 fields would change.</source>
        <translation>%1 fields would change.</translation>
    </message>
    <message>
        <source>1 field changed. Edit &gt; Undo takes the change back.</source>
        <translation>1 field changed. Edit &gt; Undo takes the change back.</translation>
    </message>
    <message>
        <source>%1 fields changed. Edit &gt; Undo takes the change back.</source>
        <translation>%1 fields changed. Edit &gt; Undo takes the change back.</translation>
    </message>
</context>
<context>
    <name>vw::app::CompareDock</name>
    <message>
        <source>Compare with %1</source>
        <translation>Compare with %1</translation>
    </message>
    <message>
        <source>No differences: the files hold the same plane data.</source>
        <translation>No differences: the files hold the same plane data.</translation>
    </message>
    <message>
        <source>1 difference (this file -&gt; %1)</source>
        <translation>1 difference (this file -&gt; %1)</translation>
    </message>
    <message>
        <source>%1 differences (this file -&gt; %2)</source>
        <translation>%1 differences (this file -&gt; %2)</translation>
    </message>
    <message>
        <source>A double-click on a line shows its field; the list stays here below the pages.</source>
        <translation>A double-click on a line shows its field; the list stays here below the pages.</translation>
    </message>
</context>
<context>
    <name>vw::app::CopyGroup</name>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Source plane:</source>
        <translation>Source plane:</translation>
    </message>
    <message>
        <source>Destination plane:</source>
        <translation>Destination plane:</translation>
    </message>
</context>
<context>
    <name>vw::app::EditorDocument</name>
    <message>
        <source>An unexpected error stopped the operation.</source>
        <translation>An unexpected error stopped the operation.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number; stored as %3</source>
        <translation>%1: &quot;%2&quot; is not a whole number; stored as %3</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3</source>
        <translation>%1: %2 stored as %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; stored as %3</source>
        <translation>%1: &quot;%2&quot; is not a number; stored as %3</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>Changed: %1</source>
        <translation>Changed: %1</translation>
    </message>
</context>
<context>
    <name>vw::app::ExportTableDialog</name>
    <message>
        <source>Tab-separated text (*.tsv *.txt)</source>
        <translation>Tab-separated text (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Export table</translation>
    </message>
    <message>
        <source>&amp;Add column</source>
        <translation>&amp;Add column</translation>
    </message>
    <message>
        <source>&amp;Remove column</source>
        <translation>&amp;Remove column</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>Columns (the first column&apos;s wildcards are the rows):</source>
        <translation>Columns (the first column&apos;s wildcards are the rows):</translation>
    </message>
    <message>
        <source>&amp;Labels in the header row (such a table does not import)</source>
        <translation>&amp;Labels in the header row (such a table does not import)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>CSV (comma-separated)</source>
        <translation>CSV (comma-separated)</translation>
    </message>
    <message>
        <source>TSV (tab-separated)</source>
        <translation>TSV (tab-separated)</translation>
    </message>
    <message>
        <source>Preview of the first rows:</source>
        <translation>Preview of the first rows:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>Choose a field and Add column: the first column&apos;s wildcards make the rows.</source>
        <translation>Choose a field and Add column: the first column&apos;s wildcards make the rows.</translation>
    </message>
    <message>
        <source>Column %1 (%2):</source>
        <translation>Column %1 (%2):</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table holds its fields.</source>
        <translation>Load a plane data file first: the table holds its fields.</translation>
    </message>
    <message>
        <source>Table written to %1</source>
        <translation>Table written to %1</translation>
    </message>
</context>
<context>
    <name>vw::app::FieldChooser</name>
    <message>
        <source>Type a label or a key to find a field</source>
        <translation>Type a label or a key to find a field</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>(document)</source>
        <translation>(document)</translation>
    </message>
    <message>
        <source>planes[*].weapons.configurations[*].weapons[*].ammo</source>
        <translation>planes[*].weapons.configurations[*].weapons[*].ammo</translation>
    </message>
    <message>
        <source>a number, a &quot;text&quot; or a field</source>
        <translation>a number, a &quot;text&quot; or a field</translation>
    </message>
</context>
<context>
    <name>vw::app::FindDialog</name>
    <message>
        <source>Find in planes</source>
        <translation>Find in planes</translation>
    </message>
    <message>
        <source>&amp;Add condition</source>
        <translation>&amp;Add condition</translation>
    </message>
    <message>
        <source>&amp;Remove condition</source>
        <translation>&amp;Remove condition</translation>
    </message>
    <message>
        <source>The fields found are those of the first condition&apos;s pattern for which every condition holds; wildcards at the same place of two patterns stand for the same index.</source>
        <translation>The fields found are those of the first condition&apos;s pattern for which every condition holds; wildcards at the same place of two patterns stand for the same index.</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Choose a field, an operator and a value, then Add condition.</source>
        <translation>Choose a field, an operator and a value, then Add condition.</translation>
    </message>
</context>
<context>
    <name>vw::app::FindDock</name>
    <message>
        <source>Found fields</source>
        <translation>Found fields</translation>
    </message>
    <message>
        <source>&amp;Change found fields...</source>
        <translation>&amp;Change found fields...</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Plane</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>No field satisfies the conditions.</source>
        <translation>No field satisfies the conditions.</translation>
    </message>
    <message>
        <source>1 field found</source>
        <translation>1 field found</translation>
    </message>
    <message>
        <source>%1 fields found</source>
        <translation>%1 fields found</translation>
    </message>
</context>
<context>
    <name>vw::app::FormatOperationsWidget</name>
    <message>
        <source>Generate decrypted &quot;misc_.bin&quot; file from currently loaded configuration</source>
        <translation>Generate decrypted &quot;misc_.bin&quot; file from currently loaded configuration</translation>
    </message>
    <message>
        <source>Writes the plane data as it is in the editor, not enciphered, to %1.</source>
        <translation>Writes the plane data as it is in the editor, not enciphered, to %1.</translation>
    </message>
    <message>
        <source>Load &quot;misc_.bin&quot;. Warning!!! You current configuration will be lost!</source>
        <translation>Load &quot;misc_.bin&quot;. Warning!!! Your current configuration will be lost!</translation>
    </message>
    <message>
        <source>Loads %1 as it is, without deciphering; the next save enciphers it.</source>
        <translation>Loads %1 as it is, without deciphering; the next save enciphers it.</translation>
    </message>
    <message>
        <source>Misc.bin format</source>
        <translation>Misc.bin format</translation>
    </message>
    <message>
        <source>Regenerate Offsets</source>
        <translation>Regenerate Offsets</translation>
    </message>
    <message>
        <source>Gives planes added by raising &quot;Number of Planes:&quot; their own record and damage map, one stride behind the plane before.</source>
        <translation>Gives planes added by raising &quot;Number of Planes:&quot; their own record and damage map, one stride behind the plane before.</translation>
    </message>
    <message>
        <source>Add header for 128 planes</source>
        <translation>Add header for 128 planes</translation>
    </message>
    <message>
        <source>Converts a 128-plane file into the 256-plane format.</source>
        <translation>Converts a 128-plane file into the 256-plane format.</translation>
    </message>
    <message>
        <source> saved</source>
        <translation> saved</translation>
    </message>
    <message>
        <source>Encrypt/Decrypt misc.bin</source>
        <translation>Encrypt/Decrypt misc.bin</translation>
    </message>
</context>
<context>
    <name>vw::app::ImportTableDialog</name>
    <message>
        <source>Import table</source>
        <translation>Import table</translation>
    </message>
    <message>
        <source>No table chosen.</source>
        <translation>No table chosen.</translation>
    </message>
    <message>
        <source>&amp;Choose table...</source>
        <translation>&amp;Choose table...</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Tables (*.csv *.tsv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table is read onto its fields.</source>
        <translation>Load a plane data file first: the table is read onto its fields.</translation>
    </message>
    <message>
        <source>a table is at most 256 MB</source>
        <translation>a table is at most 256 MB</translation>
    </message>
    <message>
        <source>%1 more refused cells</source>
        <translation>%1 more refused cells</translation>
    </message>
    <message>
        <source>The table could not be read.</source>
        <translation>The table could not be read.</translation>
    </message>
    <message>
        <source>The table is refused: nothing can be imported until these cells are put right.</source>
        <translation>The table is refused: nothing can be imported until these cells are put right.</translation>
    </message>
    <message>
        <source>The file already holds every value of the table: nothing would change.</source>
        <translation>The file already holds every value of the table: nothing would change.</translation>
    </message>
    <message>
        <source>%1 fields would change; the first %2 are listed.</source>
        <translation>%1 fields would change; the first %2 are listed.</translation>
    </message>
    <message>
        <source>1 field would change.</source>
        <translation>1 field would change.</translation>
    </message>
    <message>
        <source>%1 fields would change.</source>
        <translation>%1 fields would change.</translation>
    </message>
    <message>
        <source>Imported %1: 1 field changed. Edit &gt; Undo takes the import back.</source>
        <translation>Imported %1: 1 field changed. Edit &gt; Undo takes the import back.</translation>
    </message>
    <message>
        <source>Imported %1: %2 fields changed. Edit &gt; Undo takes the import back.</source>
        <translation>Imported %1: %2 fields changed. Edit &gt; Undo takes the import back.</translation>
    </message>
</context>
<context>
    <name>vw::app::LabelTables</name>
    <message>
        <source>Group %1</source>
        <translation>Group %1</translation>
    </message>
    <message>
        <source>Primary single shot</source>
        <translation>Primary single shot</translation>
    </message>
    <message>
        <source>Secondary single shot</source>
        <translation>Secondary single shot</translation>
    </message>
    <message>
        <source>Primary guns</source>
        <translation>Primary guns</translation>
    </message>
    <message>
        <source>Secondary guns</source>
        <translation>Secondary guns</translation>
    </message>
    <message>
        <source>Heavy guns</source>
        <translation>Heavy guns</translation>
    </message>
    <message>
        <source>Turreted gun</source>
        <translation>Turreted gun</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Engine 1</source>
        <translation>Engine 1</translation>
    </message>
    <message>
        <source>Engine 2</source>
        <translation>Engine 2</translation>
    </message>
    <message>
        <source>Engine 3</source>
        <translation>Engine 3</translation>
    </message>
    <message>
        <source>Engine 4</source>
        <translation>Engine 4</translation>
    </message>
    <message>
        <source>Engine 1 Oil System</source>
        <translation>Engine 1 Oil System</translation>
    </message>
    <message>
        <source>Engine 2 Oil System</source>
        <translation>Engine 2 Oil System</translation>
    </message>
    <message>
        <source>Engine 3 Oil System</source>
        <translation>Engine 3 Oil System</translation>
    </message>
    <message>
        <source>Engine 4 Oil System</source>
        <translation>Engine 4 Oil System</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Elevator</translation>
    </message>
    <message>
        <source>Horizontal Stabilizer</source>
        <translation>Horizontal Stabilizer</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Rudder</translation>
    </message>
    <message>
        <source>Vertical Stabilizer</source>
        <translation>Vertical Stabilizer</translation>
    </message>
    <message>
        <source>Left Aileron</source>
        <translation>Left Aileron</translation>
    </message>
    <message>
        <source>Right Aileron</source>
        <translation>Right Aileron</translation>
    </message>
    <message>
        <source>Left Fuel Tank</source>
        <translation>Left Fuel Tank</translation>
    </message>
    <message>
        <source>Right Fuel Tank</source>
        <translation>Right Fuel Tank</translation>
    </message>
    <message>
        <source>Center Fuel Tank</source>
        <translation>Center Fuel Tank</translation>
    </message>
    <message>
        <source>Rear Fuselage</source>
        <translation>Rear Fuselage</translation>
    </message>
    <message>
        <source>Center Fuselage</source>
        <translation>Center Fuselage</translation>
    </message>
    <message>
        <source>Pilot Armor</source>
        <translation>Pilot Armor</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Tail Gunner</source>
        <translation>Tail Gunner</translation>
    </message>
    <message>
        <source>Nose Gun</source>
        <translation>Nose Gun</translation>
    </message>
    <message>
        <source>Left Gun</source>
        <translation>Left Gun</translation>
    </message>
    <message>
        <source>Right Gun</source>
        <translation>Right Gun</translation>
    </message>
    <message>
        <source>Top Gun</source>
        <translation>Top Gun</translation>
    </message>
    <message>
        <source>Bottom Gun</source>
        <translation>Bottom Gun</translation>
    </message>
    <message>
        <source>Left Wing</source>
        <translation>Left Wing</translation>
    </message>
    <message>
        <source>Right Wing</source>
        <translation>Right Wing</translation>
    </message>
    <message>
        <source>Right Gear</source>
        <translation>Right Gear</translation>
    </message>
    <message>
        <source>Left Gear</source>
        <translation>Left Gear</translation>
    </message>
    <message>
        <source>Flaps</source>
        <translation>Flaps</translation>
    </message>
    <message>
        <source>1 - Lowest</source>
        <translation>1 - Lowest</translation>
    </message>
    <message>
        <source>2 - Lower</source>
        <translation>2 - Lower</translation>
    </message>
    <message>
        <source>3 - Low</source>
        <translation>3 - Low</translation>
    </message>
    <message>
        <source>4 - Medium-Low</source>
        <translation>4 - Medium-Low</translation>
    </message>
    <message>
        <source>5 - Medium-High</source>
        <translation>5 - Medium-High</translation>
    </message>
    <message>
        <source>6 - High</source>
        <translation>6 - High</translation>
    </message>
    <message>
        <source>7 - Higher</source>
        <translation>7 - Higher</translation>
    </message>
    <message>
        <source>8 - Highest</source>
        <translation>8 - Highest</translation>
    </message>
</context>
<context>
    <name>vw::app::MergeDialog</name>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Original format</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Openhall plane format (128)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Openhall plane format (256)</translation>
    </message>
    <message>
        <source>Merge changes from</source>
        <translation>Merge changes from</translation>
    </message>
    <message>
        <source>The open file is &quot;ours&quot;. The changes the other file (&quot;theirs&quot;) made to the base file they both started from are merged into it; where both changed a field differently, you choose the side.</source>
        <translation>The open file is &quot;ours&quot;. The changes the other file (&quot;theirs&quot;) made to the base file they both started from are merged into it; where both changed a field differently, you choose the side.</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>&amp;Base file:</source>
        <translation>&amp;Base file:</translation>
    </message>
    <message>
        <source>The base file</source>
        <translation>The base file</translation>
    </message>
    <message>
        <source>&amp;Their file:</source>
        <translation>&amp;Their file:</translation>
    </message>
    <message>
        <source>Their file</source>
        <translation>Their file</translation>
    </message>
    <message>
        <source>&amp;List changes</source>
        <translation>&amp;List changes</translation>
    </message>
    <message>
        <source>All &amp;ours</source>
        <translation>All &amp;ours</translation>
    </message>
    <message>
        <source>All t&amp;heirs</source>
        <translation>All t&amp;heirs</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>Choose the base file and their file, then List changes.</source>
        <translation>Choose the base file and their file, then List changes.</translation>
    </message>
    <message>
        <source>theirs</source>
        <translation>theirs</translation>
    </message>
    <message>
        <source>ours</source>
        <translation>ours</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Take</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Ours</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Theirs</translation>
    </message>
    <message>
        <source>Load a plane data file first: the changes are merged into it.</source>
        <translation>Load a plane data file first: the changes are merged into it.</translation>
    </message>
    <message>
        <source>%1 cannot be merged: it is of layout %2 and the open file of layout %3; files of different layouts cannot be merged.</source>
        <translation>%1 cannot be merged: it is of layout %2 and the open file of layout %3; files of different layouts cannot be merged.</translation>
    </message>
    <message>
        <source>The files could not be merged.</source>
        <translation>The files could not be merged.</translation>
    </message>
    <message>
        <source>The open file keeps its own: a plane, record or damage map is not added or taken away by a merge.</source>
        <translation>The open file keeps its own: a plane, record or damage map is not added or taken away by a merge.</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflict</translation>
    </message>
    <message>
        <source>theirs changed</source>
        <translation>theirs changed</translation>
    </message>
    <message>
        <source>Their file made no change that the open file does not hold already: nothing to merge.</source>
        <translation>Their file made no change that the open file does not hold already: nothing to merge.</translation>
    </message>
    <message>
        <source>%1 changes of theirs and %2 conflicts. A checked row takes their value; conflicts keep ours until you check them.</source>
        <translation>%1 changes of theirs and %2 conflicts. A checked row takes their value; conflicts keep ours until you check them.</translation>
    </message>
    <message>
        <source>Merge changes</source>
        <translation>Merge changes</translation>
    </message>
    <message>
        <source>Merged from %1: 1 field took their value. Edit &gt; Undo takes the merge back.</source>
        <translation>Merged from %1: 1 field took their value. Edit &gt; Undo takes the merge back.</translation>
    </message>
    <message>
        <source>Merged from %1: %2 fields took their value. Edit &gt; Undo takes the merge back.</source>
        <translation>Merged from %1: %2 fields took their value. Edit &gt; Undo takes the merge back.</translation>
    </message>
</context>
<context>
    <name>vw::app::MiscPage</name>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>The version word decides the cipher of the next save (273: keyed).</source>
        <translation>The version word decides the cipher of the next save (273: keyed).</translation>
    </message>
    <message>
        <source>Planes in the file, -1 to 254.</source>
        <translation>Planes in the file, -1 to 254.</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>File Version:</translation>
    </message>
    <message>
        <source>Number of Planes:</source>
        <translation>Number of Planes:</translation>
    </message>
    <message>
        <source>Weapons block start:</source>
        <translation>Weapons block start:</translation>
    </message>
    <message>
        <source>Damage map start:</source>
        <translation>Damage map start:</translation>
    </message>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Original format</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Openhall plane format (128)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Openhall plane format (256)</translation>
    </message>
    <message>
        <source>Workspace</source>
        <translation>Workspace</translation>
    </message>
    <message>
        <source>Working Directory (path to misc.bin):</source>
        <translation>Working Directory (path to misc.bin):</translation>
    </message>
    <message>
        <source>Get default path from editor directory</source>
        <translation>Get default path from editor directory</translation>
    </message>
    <message>
        <source>Override defalut laucher (path to exe):</source>
        <translation>Override default launcher (path to exe):</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Decimal separator</translation>
    </message>
    <message>
        <source>no plane record</source>
        <translation>no plane record</translation>
    </message>
    <message>
        <source>no damage map</source>
        <translation>no damage map</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>File Version</translation>
    </message>
    <message>
        <source>File Version %1 cannot be saved: the header holds 0 to 65535.</source>
        <translation>File Version %1 cannot be saved: the header holds 0 to 65535.</translation>
    </message>
    <message>
        <source>Number of Planes</source>
        <translation>Number of Planes</translation>
    </message>
    <message>
        <source>Number of Planes %1 cannot be saved: the header holds -1 to 254.</source>
        <translation>Number of Planes %1 cannot be saved: the header holds -1 to 254.</translation>
    </message>
    <message>
        <source>Выберите запускаемый файл</source>
        <translation>Choose the program to start</translation>
    </message>
    <message>
        <source>Программы | *.exe</source>
        <translation>Programs | *.exe</translation>
    </message>
    <message>
        <source>Type of Misc.bin</source>
        <translation>Type of Misc.bin</translation>
    </message>
    <message>
        <source>The name %1 contains a line break. editor.ini keeps one value a line, so this path cannot be stored; rename the file or its folder.</source>
        <translation>The name %1 contains a line break. editor.ini keeps one value a line, so this path cannot be stored; rename the file or its folder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the decimal separator: a digit, a sign, a letter or a blank would change the numbers typed back.</source>
        <translation>&quot;%1&quot; cannot be the decimal separator: a digit, a sign, a letter or a blank would change the numbers typed back.</translation>
    </message>
</context>
<context>
    <name>vw::app::NumberGridModel</name>
    <message>
        <source>This cell holds -32768 to 32767; %1 was not stored.</source>
        <translation>This cell holds -32768 to 32767; %1 was not stored.</translation>
    </message>
    <message>
        <source>Integer overflow: a speed point holds -2147483648 to 2147483647 mph; %1 was not stored.</source>
        <translation>Integer overflow: a speed point holds -2147483648 to 2147483647 mph; %1 was not stored.</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>column %1</translation>
    </message>
</context>
<context>
    <name>vw::app::OverviewChart</name>
    <message>
        <source>Bars of one column</source>
        <translation>Bars of one column</translation>
    </message>
    <message>
        <source>Scatter of two columns</source>
        <translation>Scatter of two columns</translation>
    </message>
    <message>
        <source>Engine power of the chosen planes</source>
        <translation>Engine power of the chosen planes</translation>
    </message>
    <message>
        <source>Altitude row </source>
        <translation>Altitude row </translation>
    </message>
    <message>
        <source>&amp;Save chart...</source>
        <translation>&amp;Save chart...</translation>
    </message>
    <message>
        <source>Cop&amp;y chart</source>
        <translation>Cop&amp;y chart</translation>
    </message>
    <message>
        <source>%1, every plane (the current plane highlighted)</source>
        <translation>%1, every plane (the current plane highlighted)</translation>
    </message>
    <message>
        <source>planes</source>
        <translation>planes</translation>
    </message>
    <message>
        <source>current plane</source>
        <translation>current plane</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 against %2</translation>
    </message>
    <message>
        <source>Speed (mph)</source>
        <translation>Speed (mph)</translation>
    </message>
    <message>
        <source>Engine power</source>
        <translation>Engine power</translation>
    </message>
    <message>
        <source>Engine power at altitude row %1</source>
        <translation>Engine power at altitude row %1</translation>
    </message>
    <message>
        <source>The chart is on the clipboard.</source>
        <translation>The chart is on the clipboard.</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>The chart could not be saved as %1.</translation>
    </message>
    <message>
        <source>Chart saved as %1.</source>
        <translation>Chart saved as %1.</translation>
    </message>
    <message>
        <source>Handling of the chosen planes</source>
        <translation>Handling of the chosen planes</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>Yaw</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Handling: %1</source>
        <translation>Handling: %1</translation>
    </message>
</context>
<context>
    <name>vw::app::PlaneReportsWidget</name>
    <message>
        <source>Plane list</source>
        <translation>Plane list</translation>
    </message>
    <message>
        <source>With sound directories</source>
        <translation>With sound directories</translation>
    </message>
    <message>
        <source>With fuel</source>
        <translation>With fuel</translation>
    </message>
    <message>
        <source>With weight</source>
        <translation>With weight</translation>
    </message>
    <message>
        <source>With climb speed</source>
        <translation>With climb speed</translation>
    </message>
    <message>
        <source>With DM counts</source>
        <translation>With DM counts</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Time of flight as HTML table rows (with &quot;With fuel&quot;).</source>
        <translation>Time of flight as HTML table rows (with &quot;With fuel&quot;).</translation>
    </message>
    <message>
        <source>Generate Plane list</source>
        <translation>Generate Plane list</translation>
    </message>
    <message>
        <source>Writes planes.txt, or editor\planes.txt for the figures and counts.</source>
        <translation>Writes planes.txt, or editor\planes.txt for the figures and counts.</translation>
    </message>
    <message>
        <source>Correct Fuel by Time</source>
        <translation>Correct Fuel by Time</translation>
    </message>
    <message>
        <source>Sets each plane&apos;s fuel consumption so that it reaches the time of flight given in editor\planes-fuel.txt (one number per line, in plane order).</source>
        <translation>Sets each plane&apos;s fuel consumption so that it reaches the time of flight given in editor\planes-fuel.txt (one number per line, in plane order).</translation>
    </message>
    <message>
        <source>Plane list written to %1.</source>
        <translation>Plane list written to %1.</translation>
    </message>
    <message>
        <source>Correct Fuel by Time: fuel consumption changed for 1 plane.</source>
        <translation>Correct Fuel by Time: fuel consumption changed for 1 plane.</translation>
    </message>
    <message>
        <source>Correct Fuel by Time: fuel consumption changed for %1 planes.</source>
        <translation>Correct Fuel by Time: fuel consumption changed for %1 planes.</translation>
    </message>
    <message>
        <source> No plane record to change for planes %1.</source>
        <translation> No plane record to change for planes %1.</translation>
    </message>
</context>
<context>
    <name>vw::app::PlanesOverview</name>
    <message>
        <source>Primary row %1</source>
        <translation>Primary row %1</translation>
    </message>
    <message>
        <source>Time of flight (h)</source>
        <translation>Time of flight (h)</translation>
    </message>
</context>
<context>
    <name>vw::app::PlanesOverviewDock</name>
    <message>
        <source>Planes overview</source>
        <translation>Planes overview</translation>
    </message>
    <message>
        <source>Filter planes</source>
        <translation>Filter planes</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Columns...</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>C&amp;hart</translation>
    </message>
    <message>
        <source>Overview columns</source>
        <translation>Overview columns</translation>
    </message>
    <message>
        <source>Find a field by its label or path</source>
        <translation>Find a field by its label or path</translation>
    </message>
    <message>
        <source>The fields shown for every plane:</source>
        <translation>The fields shown for every plane:</translation>
    </message>
</context>
<context>
    <name>vw::app::PlanesOverviewModel</name>
    <message>
        <source>Plane</source>
        <translation>Plane</translation>
    </message>
    <message>
        <source>%1 is not a whole number.</source>
        <translation>%1 is not a whole number.</translation>
    </message>
    <message>
        <source>%1 is outside %2.</source>
        <translation>%1 is outside %2.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 is not a number.</translation>
    </message>
    <message>
        <source>%1 does not fit the field&apos;s %2 characters of one byte each.</source>
        <translation>%1 does not fit the field&apos;s %2 characters of one byte each.</translation>
    </message>
    <message>
        <source>%1 is not %2 bytes as hex digits.</source>
        <translation>%1 is not %2 bytes as hex digits.</translation>
    </message>
    <message>
        <source>%1 is not true or false.</source>
        <translation>%1 is not true or false.</translation>
    </message>
    <message>
        <source>plane %1, %2</source>
        <translation>plane %1, %2</translation>
    </message>
    <message>
        <source>The planes overview cannot store %1: %2</source>
        <translation>The planes overview cannot store %1: %2</translation>
    </message>
    <message>
        <source>Planes overview: %1</source>
        <translation>Planes overview: %1</translation>
    </message>
</context>
<context>
    <name>vw::app::Prompter</name>
    <message>
        <source>Overwrite</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Keep the editor&apos;s data</source>
        <translation>Keep the editor&apos;s data</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Discard them</source>
        <translation>Discard them</translation>
    </message>
</context>
<context>
    <name>vw::app::ReferenceFile</name>
    <message>
        <source>Reference: %1</source>
        <translation>Reference: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>vw::app::ScriptWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Save as...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>Runs the script on the open file (Ctrl+Return)</source>
        <translation>Runs the script on the open file (Ctrl+Return)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>Time &amp;limit:</source>
        <translation>Time &amp;limit:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>// A script in JavaScript, for example:
// for (const p of file.planes) print(p.number, p.name);</source>
        <translation>// A script in JavaScript, for example:
// for (const p of file.planes) print(p.number, p.name);</translation>
    </message>
    <message>
        <source>What the script prints, and the fields it changed, appear here.</source>
        <translation>What the script prints, and the fields it changed, appear here.</translation>
    </message>
    <message>
        <source>script.js</source>
        <translation>script.js</translation>
    </message>
    <message>
        <source>Run script - %1</source>
        <translation>Run script - %1</translation>
    </message>
    <message>
        <source>a script is at most 16 MB</source>
        <translation>a script is at most 16 MB</translation>
    </message>
    <message>
        <source>Opened %1: Run or Ctrl+Return runs it.</source>
        <translation>Opened %1: Run or Ctrl+Return runs it.</translation>
    </message>
    <message>
        <source>Open script</source>
        <translation>Open script</translation>
    </message>
    <message>
        <source>Save script as</source>
        <translation>Save script as</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Saved %1.</translation>
    </message>
    <message>
        <source>Running... Stop ends the run and changes nothing.</source>
        <translation>Running... Stop ends the run and changes nothing.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the script works on its planes.</source>
        <translation>Load a plane data file first: the script works on its planes.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed.</source>
        <translation>Stopped: nothing was changed.</translation>
    </message>
    <message>
        <source>Stopped after the time limit of %1 s: nothing was changed.</source>
        <translation>Stopped after the time limit of %1 s: nothing was changed.</translation>
    </message>
    <message>
        <source>%1, line %2, column %3</source>
        <translation>%1, line %2, column %3</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The script stopped at an error: nothing was changed.</source>
        <translation>The script stopped at an error: nothing was changed.</translation>
    </message>
    <message>
        <source>1 field changed</source>
        <translation>1 field changed</translation>
    </message>
    <message>
        <source>%1 fields changed</source>
        <translation>%1 fields changed</translation>
    </message>
    <message>
        <source>Done: no field changed.</source>
        <translation>Done: no field changed.</translation>
    </message>
    <message>
        <source>The file changed while the script ran: nothing was changed. Run it again.</source>
        <translation>The file changed while the script ran: nothing was changed. Run it again.</translation>
    </message>
    <message>
        <source>Run script %1</source>
        <translation>Run script %1</translation>
    </message>
    <message>
        <source>The script changed the file&apos;s layout, which a script cannot do.</source>
        <translation>The script changed the file&apos;s layout, which a script cannot do.</translation>
    </message>
    <message>
        <source>Done: 1 field changed. Edit &gt; Undo takes the change back.</source>
        <translation>Done: 1 field changed. Edit &gt; Undo takes the change back.</translation>
    </message>
    <message>
        <source>Done: %1 fields changed. Edit &gt; Undo takes the change back.</source>
        <translation>Done: %1 fields changed. Edit &gt; Undo takes the change back.</translation>
    </message>
    <message>
        <source>The changes could not be made: nothing was changed.</source>
        <translation>The changes could not be made: nothing was changed.</translation>
    </message>
    <message>
        <source>The script of the last run.</source>
        <translation>The script of the last run.</translation>
    </message>
</context>
<context>
    <name>vw::app::TableImporter</name>
    <message>
        <source>row 1, column %1 (%2): %3</source>
        <translation>row 1, column %1 (%2): %3</translation>
    </message>
    <message>
        <source>row 1: the table has no header row</source>
        <translation>row 1: the table has no header row</translation>
    </message>
    <message>
        <source>row 1: the header names no field pattern (a table written with labels does not import)</source>
        <translation>row 1: the header names no field pattern (a table written with labels does not import)</translation>
    </message>
    <message>
        <source>the field is column %1 already</source>
        <translation>the field is column %1 already</translation>
    </message>
    <message>
        <source>the wildcards of this column (%1) are not those of the first field&apos;s column (%2)</source>
        <translation>the wildcards of this column (%1) are not those of the first field&apos;s column (%2)</translation>
    </message>
    <message>
        <source>row 1: the number columns are %1; the first field&apos;s wildcards need %2</source>
        <translation>row 1: the number columns are %1; the first field&apos;s wildcards need %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>row %1, column %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3): %4</source>
        <translation>row %1, column %2 (%3): %4</translation>
    </message>
    <message>
        <source>the cell is outside the header&apos;s %1 columns</source>
        <translation>the cell is outside the header&apos;s %1 columns</translation>
    </message>
    <message>
        <source>the row&apos;s %1 is not given</source>
        <translation>the row&apos;s %1 is not given</translation>
    </message>
    <message>
        <source>%1 is not a %2 number</source>
        <translation>%1 is not a %2 number</translation>
    </message>
    <message>
        <source>the row&apos;s fields are those of row %1 already</source>
        <translation>the row&apos;s fields are those of row %1 already</translation>
    </message>
    <message>
        <source>the file has no %1 %2 here</source>
        <translation>the file has no %1 %2 here</translation>
    </message>
    <message>
        <source>the file has no %1</source>
        <translation>the file has no %1</translation>
    </message>
    <message>
        <source>%1 describes the file and is not written</source>
        <translation>%1 describes the file and is not written</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 is outside %2..%3</source>
        <translation>%1 is outside %2..%3</translation>
    </message>
    <message>
        <source>%1 is not a number (the decimal point is &quot;.&quot;)</source>
        <translation>%1 is not a number (the decimal point is &quot;.&quot;)</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 is longer than the field&apos;s %2 characters</source>
        <translation>%1 is longer than the field&apos;s %2 characters</translation>
    </message>
    <message>
        <source>%1 has characters the file cannot hold</source>
        <translation>%1 has characters the file cannot hold</translation>
    </message>
    <message>
        <source>%1 has a control character, which the field cannot hold</source>
        <translation>%1 has a control character, which the field cannot hold</translation>
    </message>
    <message>
        <source>%1 is not %2 bytes as hex digits</source>
        <translation>%1 is not %2 bytes as hex digits</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 is not true or false</translation>
    </message>
</context>
<context>
    <name>vw::app::VNEditor</name>
    <message>
        <source>Выберите файл конфигурации</source>
        <translation>Choose a configuration file</translation>
    </message>
    <message>
        <source>Файлы конфигурации | *.bin;*.oh</source>
        <translation>Configuration files | *.bin;*.oh</translation>
    </message>
    <message>
        <source>List of planes:</source>
        <translation>List of planes:</translation>
    </message>
    <message>
        <source>List of configs:</source>
        <translation>List of configs:</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Weapons</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Primary configurations</source>
        <translation>Primary configurations</translation>
    </message>
    <message>
        <source>Engine Power #1</source>
        <translation>Engine Power #1</translation>
    </message>
    <message>
        <source>Engine and WEP</source>
        <translation>Engine and WEP</translation>
    </message>
    <message>
        <source>Handiling</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Flight Model</source>
        <translation>Flight Model</translation>
    </message>
    <message>
        <source>Plane Damage Maps</source>
        <translation>Plane Damage Maps</translation>
    </message>
    <message>
        <source>Offline Damage Profile</source>
        <translation>Offline Damage Profile</translation>
    </message>
    <message>
        <source>Damage</source>
        <translation>Damage</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Wings</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>The file could not be loaded; the editor keeps the data it had.

</source>
        <translation>The file could not be loaded; the editor keeps the data it had.

</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>An editor for the plane data file of Vornwing.

Every value of every plane: names and references, weapon loadouts,
flight-model tables, engine power, damage maps and the shared tables.</source>
        <translation>An editor for the plane data file of Vornwing.

Every value of every plane: names and references, weapon loadouts,
flight-model tables, engine power, damage maps and the shared tables.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Saving is off</source>
        <translation>Saving is off</translation>
    </message>
    <message>
        <source>The save commands are hidden. To turn saving on, write writeokay as line 6 of %1 and start the editor again.</source>
        <translation>The save commands are hidden. To turn saving on, write writeokay as line 6 of %1 and start the editor again.</translation>
    </message>
    <message>
        <source>Saving is off: write writeokay as line 6 of editor.ini to turn it on.</source>
        <translation>Saving is off: write writeokay as line 6 of editor.ini to turn it on.</translation>
    </message>
    <message>
        <source>No plane data file is loaded, so there is nothing to save. Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>No plane data file is loaded, so there is nothing to save. Load one with File &gt; Load configuration (Ctrl+O).</translation>
    </message>
    <message>
        <source>No plane data file is loaded, so there is nothing to save.</source>
        <translation>No plane data file is loaded, so there is nothing to save.</translation>
    </message>
    <message>
        <source>Vornwing plane editor Version </source>
        <translation>Vornwing plane editor Version </translation>
    </message>
    <message>
        <source>The plane data file could not be loaded.

</source>
        <translation>The plane data file could not be loaded.

</translation>
    </message>
    <message>
        <source>Some support files in %1 could not be read; their tables stay empty:

- %2</source>
        <translation>Some support files in %1 could not be read; their tables stay empty:

- %2</translation>
    </message>
    <message>
        <source>Load a plane data file first: it is compared with the one you choose.</source>
        <translation>Load a plane data file first: it is compared with the one you choose.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Compare with</translation>
    </message>
    <message>
        <source>The files could not be compared.

</source>
        <translation>The files could not be compared.

</translation>
    </message>
    <message>
        <source>Сохранить изменения ?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>no planes</source>
        <translation>no planes</translation>
    </message>
    <message>
        <source>1 plane</source>
        <translation>1 plane</translation>
    </message>
    <message>
        <source>%1 planes</source>
        <translation>%1 planes</translation>
    </message>
    <message>
        <source>%1: %2, %3 bytes.</source>
        <translation>%1: %2, %3 bytes.</translation>
    </message>
    <message>
        <source> No plane record (its offset points outside the file or into the directory): planes %1.</source>
        <translation> No plane record (its offset points outside the file or into the directory): planes %1.</translation>
    </message>
    <message>
        <source> No damage map (its offset points outside the file or into the directory): planes %1.</source>
        <translation> No damage map (its offset points outside the file or into the directory): planes %1.</translation>
    </message>
    <message>
        <source>The file was not saved; the file on disk and the data in the editor are as they were.

</source>
        <translation>The file was not saved; the file on disk and the data in the editor are as they were.

</translation>
    </message>
    <message>
        <source> saved</source>
        <translation> saved</translation>
    </message>
    <message>
        <source>The plane data has unsaved changes.

Save them to %1?</source>
        <translation>The plane data has unsaved changes.

Save them to %1?</translation>
    </message>
    <message>
        <source>The plane data has unsaved changes, which will be lost: saving is off.

To turn saving on, write writeokay as line 6 of %1 and start the editor again.</source>
        <translation>The plane data has unsaved changes, which will be lost: saving is off.

To turn saving on, write writeokay as line 6 of %1 and start the editor again.</translation>
    </message>
    <message>
        <source> loaded</source>
        <translation> loaded</translation>
    </message>
    <message>
        <source>The file could not be reloaded; the editor keeps the data it had.

</source>
        <translation>The file could not be reloaded; the editor keeps the data it had.

</translation>
    </message>
    <message>
        <source> reloaded !</source>
        <translation> reloaded!</translation>
    </message>
    <message>
        <source>The game was not started: the launcher&apos;s folder %1 does not exist.</source>
        <translation>The game was not started: the launcher&apos;s folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Started %1</source>
        <translation>Started %1</translation>
    </message>
    <message>
        <source>The settings were not saved.

</source>
        <translation>The settings were not saved.

</translation>
    </message>
    <message>
        <source>a patch is at most 256 MB</source>
        <translation>a patch is at most 256 MB</translation>
    </message>
    <message>
        <source>Export plane as JSON</source>
        <translation>Export plane as JSON</translation>
    </message>
    <message>
        <source>Export all planes as JSON</source>
        <translation>Export all planes as JSON</translation>
    </message>
    <message>
        <source>Import JSON</source>
        <translation>Import JSON</translation>
    </message>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Original format</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Openhall plane format (128)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Openhall plane format (256)</translation>
    </message>
    <message>
        <source>Vornwing Planes Editor Version </source>
        <translation>Vornwing Planes Editor Version </translation>
    </message>
    <message>
        <source>Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>Load one with File &gt; Load configuration (Ctrl+O).</translation>
    </message>
    <message>
        <source>keyed cipher</source>
        <translation>keyed cipher</translation>
    </message>
    <message>
        <source>plain cipher</source>
        <translation>plain cipher</translation>
    </message>
    <message>
        <source>Vornwing Planes Editor %1
Qt %2

Base directory: %3
Plane data file: %4
Settings and support files: %5</source>
        <translation>Vornwing Planes Editor %1
Qt %2

Base directory: %3
Plane data file: %4
Settings and support files: %5</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exported to %1</translation>
    </message>
    <message>
        <source>Your data folder %1 could not be set up: %2</source>
        <translation>Your data folder %1 could not be set up: %2</translation>
    </message>
    <message>
        <source>Installed: the base directory is your data folder; the default support files are copied there from %1 when they are missing.</source>
        <translation>Installed: the base directory is your data folder; the default support files are copied there from %1 when they are missing.</translation>
    </message>
    <message>
        <source>editor.ini (settings; the defaults apply, and the file is kept as it is): </source>
        <translation>editor.ini (settings; the defaults apply, and the file is kept as it is): </translation>
    </message>
    <message>
        <source>editor.ini names &quot;%1&quot; as the decimal separator; a digit, a sign, a letter or a blank cannot be one, so &quot;.&quot; is used.</source>
        <translation>editor.ini names &quot;%1&quot; as the decimal separator; a digit, a sign, a letter or a blank cannot be one, so &quot;.&quot; is used.</translation>
    </message>
    <message>
        <source>window.ini (window place and recent files; the defaults apply, and the file is kept as it is): </source>
        <translation>window.ini (window place and recent files; the defaults apply, and the file is kept as it is): </translation>
    </message>
    <message>
        <source>The settings were not saved: %1 could not be read at start (%2), so it is kept as it is rather than replaced by the defaults.</source>
        <translation>The settings were not saved: %1 could not be read at start (%2), so it is kept as it is rather than replaced by the defaults.</translation>
    </message>
    <message>
        <source>The window&apos;s place and the recent files were not saved.

</source>
        <translation>The window&apos;s place and the recent files were not saved.

</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Load configuration</source>
        <translation>&amp;Load configuration</translation>
    </message>
    <message>
        <source>&amp;Save configuration</source>
        <translation>&amp;Save configuration</translation>
    </message>
    <message>
        <source>Save configuration &amp;as...</source>
        <translation>Save configuration &amp;as...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>&amp;Compare with...</translation>
    </message>
    <message>
        <source>Check &amp;file</source>
        <translation>Check &amp;file</translation>
    </message>
    <message>
        <source>&amp;Export plane as JSON...</source>
        <translation>&amp;Export plane as JSON...</translation>
    </message>
    <message>
        <source>Export all &amp;planes as JSON...</source>
        <translation>Export all &amp;planes as JSON...</translation>
    </message>
    <message>
        <source>&amp;Import JSON...</source>
        <translation>&amp;Import JSON...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>&amp;Read current config  (see misc)</source>
        <translation>&amp;Read current config  (see misc)</translation>
    </message>
    <message>
        <source>&amp;Write current config</source>
        <translation>&amp;Write current config</translation>
    </message>
    <message>
        <source>&amp;Launch Vornwing</source>
        <translation>&amp;Launch Vornwing</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Close editor on VN launch</source>
        <translation>&amp;Close editor on VN launch</translation>
    </message>
    <message>
        <source>Launch Vornwing &amp;Offline </source>
        <translation>Launch Vornwing &amp;Offline </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>The structural check found 1 fault.</source>
        <translation>The structural check found 1 fault.</translation>
    </message>
    <message>
        <source>The structural check found %1 faults.</source>
        <translation>The structural check found %1 faults.</translation>
    </message>
    <message>
        <source>File &gt; Check file lists them.</source>
        <translation>File &gt; Check file lists them.</translation>
    </message>
    <message>
        <source>%1 was loaded as it is, but it does not look like sound plane data. %2</source>
        <translation>%1 was loaded as it is, but it does not look like sound plane data. %2</translation>
    </message>
    <message>
        <source>File &gt; Check file lists all of them.</source>
        <translation>File &gt; Check file lists all of them.</translation>
    </message>
    <message>
        <source>No plane data file is loaded, so there is nothing to check. Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>No plane data file is loaded, so there is nothing to check. Load one with File &gt; Load configuration (Ctrl+O).</translation>
    </message>
    <message>
        <source>Check file: %1 has no structural faults.</source>
        <translation>Check file: %1 has no structural faults.</translation>
    </message>
    <message>
        <source>%1 has no structural faults.</source>
        <translation>%1 has no structural faults.</translation>
    </message>
    <message>
        <source>Check file: %1.</source>
        <translation>Check file: %1.</translation>
    </message>
    <message>
        <source>Check file %1</source>
        <translation>Check file %1</translation>
    </message>
    <message>
        <source>Set the launcher on the Misc page, in &quot;%1&quot;.</source>
        <translation>Set the launcher on the Misc page, in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The game was not started: no game launcher is set.</source>
        <translation>The game was not started: no game launcher is set.</translation>
    </message>
    <message>
        <source>The game was not started: the launcher %1 does not exist.</source>
        <translation>The game was not started: the launcher %1 does not exist.</translation>
    </message>
    <message>
        <source>The game was not started: the launcher %1 is a folder, not a program.</source>
        <translation>The game was not started: the launcher %1 is a folder, not a program.</translation>
    </message>
    <message>
        <source>The game was not started: the launcher %1 is not an executable program (it lacks the permission to run).</source>
        <translation>The game was not started: the launcher %1 is not an executable program (it lacks the permission to run).</translation>
    </message>
    <message>
        <source>The game was not started: %1 could not be run.</source>
        <translation>The game was not started: %1 could not be run.</translation>
    </message>
    <message>
        <source>Imported %1: the file already holds every value it names; nothing changed.</source>
        <translation>Imported %1: the file already holds every value it names; nothing changed.</translation>
    </message>
    <message>
        <source>on plane %1</source>
        <translation>on plane %1</translation>
    </message>
    <message>
        <source>on planes %1</source>
        <translation>on planes %1</translation>
    </message>
    <message>
        <source>on %1 planes</source>
        <translation>on %1 planes</translation>
    </message>
    <message>
        <source>in the shared tables</source>
        <translation>in the shared tables</translation>
    </message>
    <message>
        <source>1 field</source>
        <translation>1 field</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1 fields</translation>
    </message>
    <message>
        <source>Imported %1: %2 changed %3. Edit &gt; Undo takes the import back.</source>
        <translation>Imported %1: %2 changed %3. Edit &gt; Undo takes the import back.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Imported %1. Edit &gt; Undo takes the import back.</source>
        <translation>Imported %1. Edit &gt; Undo takes the import back.</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.

Load it again? The unsaved changes in the editor would be lost.</source>
        <translation>%1 was changed on disk by another program.

Load it again? The unsaved changes in the editor would be lost.</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.

Load it again? The editor has no unsaved changes.</source>
        <translation>%1 was changed on disk by another program.

Load it again? The editor has no unsaved changes.</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program since the editor loaded or saved it.

Overwrite it (its present version is kept as %2), save under another name, or cancel?</source>
        <translation>%1 was changed on disk by another program since the editor loaded or saved it.

Overwrite it (its present version is kept as %2), save under another name, or cancel?</translation>
    </message>
    <message>
        <source>Not saved: %1 was changed by another program.</source>
        <translation>Not saved: %1 was changed by another program.</translation>
    </message>
    <message>
        <source>The file was not saved: its present version could not be kept as %1.

</source>
        <translation>The file was not saved: its present version could not be kept as %1.

</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 that the editor kept at %2 cannot be restored: the file on disk is no longer the one they were made to. The recovery file was removed.</source>
        <translation>The unsaved changes to %1 that the editor kept at %2 cannot be restored: the file on disk is no longer the one they were made to. The recovery file was removed.</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 that the editor kept at %2 cannot be restored: %3. The recovery file was removed.</source>
        <translation>The unsaved changes to %1 that the editor kept at %2 cannot be restored: %3. The recovery file was removed.</translation>
    </message>
    <message>
        <source>The editor stopped at %2 with unsaved changes to %1.

Restore them? They come back as one step, which Edit &gt; Undo takes back. Discarded, they are gone.</source>
        <translation>The editor stopped at %2 with unsaved changes to %1.

Restore them? They come back as one step, which Edit &gt; Undo takes back. Discarded, they are gone.</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Restore unsaved changes</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 were restored; they are not saved yet.</source>
        <translation>The unsaved changes to %1 were restored; they are not saved yet.</translation>
    </message>
    <message>
        <source>An editor that stopped left unsaved changes to %1; open that file to restore them.</source>
        <translation>An editor that stopped left unsaved changes to %1; open that file to restore them.</translation>
    </message>
    <message>
        <source>Open misc.bin…</source>
        <translation>Open misc.bin…</translation>
    </message>
    <message>
        <source>File &gt; Load configuration (Ctrl+O)</source>
        <translation>File &gt; Load configuration (Ctrl+O)</translation>
    </message>
    <message>
        <source>Welcome. Open a plane data file with Ctrl+O.</source>
        <translation>Welcome. Open a plane data file with Ctrl+O.</translation>
    </message>
    <message>
        <source>Not saved: %1 is as it was; your changes are still only in the editor.</source>
        <translation>Not saved: %1 is as it was; your changes are still only in the editor.</translation>
    </message>
    <message>
        <source>Not saved: %1 is as it was.</source>
        <translation>Not saved: %1 is as it was.</translation>
    </message>
    <message>
        <source>No plane data file is loaded (Ctrl+O opens one)</source>
        <translation>No plane data file is loaded (Ctrl+O opens one)</translation>
    </message>
    <message>
        <source>No plane data file is loaded. Load one with File &gt; Load configuration (Ctrl+O).</source>
        <translation>No plane data file is loaded. Load one with File &gt; Load configuration (Ctrl+O).</translation>
    </message>
    <message>
        <source>A misc.bin put in %1 is opened at start.</source>
        <translation>A misc.bin put in %1 is opened at start.</translation>
    </message>
    <message>
        <source>&amp;Find in planes...</source>
        <translation>&amp;Find in planes...</translation>
    </message>
    <message>
        <source>C&amp;hange found fields...</source>
        <translation>C&amp;hange found fields...</translation>
    </message>
    <message>
        <source>Load a plane data file first: the find looks through its planes.</source>
        <translation>Load a plane data file first: the find looks through its planes.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the change works on its fields.</source>
        <translation>Load a plane data file first: the change works on its fields.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Planes &amp;overview</source>
        <translation>Planes &amp;overview</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Run script...</source>
        <translation>&amp;Run script...</translation>
    </message>
    <message>
        <source>Refere&amp;nce file...</source>
        <translation>Refere&amp;nce file...</translation>
    </message>
    <message>
        <source>&amp;Drop reference file</source>
        <translation>&amp;Drop reference file</translation>
    </message>
    <message>
        <source>Re&amp;vert to reference</source>
        <translation>Re&amp;vert to reference</translation>
    </message>
    <message>
        <source>&amp;Field under the cursor</source>
        <translation>&amp;Field under the cursor</translation>
    </message>
    <message>
        <source>Current &amp;configuration</source>
        <translation>Current &amp;configuration</translation>
    </message>
    <message>
        <source>Current &amp;plane</source>
        <translation>Current &amp;plane</translation>
    </message>
    <message>
        <source>F&amp;ound fields</source>
        <translation>F&amp;ound fields</translation>
    </message>
    <message>
        <source>Same as the reference</source>
        <translation>Same as the reference</translation>
    </message>
    <message>
        <source>1 field differs from the reference</source>
        <translation>1 field differs from the reference</translation>
    </message>
    <message>
        <source>%1 fields differ from the reference</source>
        <translation>%1 fields differ from the reference</translation>
    </message>
    <message>
        <source>Reference file: %1</source>
        <translation>Reference file: %1</translation>
    </message>
    <message>
        <source>The reference file %1 could not be read: %2</source>
        <translation>The reference file %1 could not be read: %2</translation>
    </message>
    <message>
        <source>The reference file could not be read; the window keeps the reference it had.

</source>
        <translation>The reference file could not be read; the window keeps the reference it had.

</translation>
    </message>
    <message>
        <source>Reference file: %1.</source>
        <translation>Reference file: %1.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the reference file is compared with it.</source>
        <translation>Load a plane data file first: the reference file is compared with it.</translation>
    </message>
    <message>
        <source>Reference file</source>
        <translation>Reference file</translation>
    </message>
    <message>
        <source>No reference file.</source>
        <translation>No reference file.</translation>
    </message>
    <message>
        <source>The reference file has another layout: its fields cannot be written into this file.</source>
        <translation>The reference file has another layout: its fields cannot be written into this file.</translation>
    </message>
    <message>
        <source>The cell has no value in the reference file.</source>
        <translation>The cell has no value in the reference file.</translation>
    </message>
    <message>
        <source>Revert %1 to reference</source>
        <translation>Revert %1 to reference</translation>
    </message>
    <message>
        <source>Reverted to the reference: %1.</source>
        <translation>Reverted to the reference: %1.</translation>
    </message>
    <message>
        <source>The field under the cursor has no value in the reference file.</source>
        <translation>The field under the cursor has no value in the reference file.</translation>
    </message>
    <message>
        <source>Revert field to reference</source>
        <translation>Revert field to reference</translation>
    </message>
    <message>
        <source>Revert configuration to reference</source>
        <translation>Revert configuration to reference</translation>
    </message>
    <message>
        <source>Revert plane to reference</source>
        <translation>Revert plane to reference</translation>
    </message>
    <message>
        <source>No fields are found: Edit &gt; Find in planes... finds them.</source>
        <translation>No fields are found: Edit &gt; Find in planes... finds them.</translation>
    </message>
    <message>
        <source>Revert found fields to reference</source>
        <translation>Revert found fields to reference</translation>
    </message>
    <message>
        <source>Nothing differed from the reference.</source>
        <translation>Nothing differed from the reference.</translation>
    </message>
    <message>
        <source>1 field reverted to the reference.</source>
        <translation>1 field reverted to the reference.</translation>
    </message>
    <message>
        <source>%1 fields reverted to the reference.</source>
        <translation>%1 fields reverted to the reference.</translation>
    </message>
    <message>
        <source>Export &amp;table...</source>
        <translation>Export &amp;table...</translation>
    </message>
    <message>
        <source>Import ta&amp;ble...</source>
        <translation>Import ta&amp;ble...</translation>
    </message>
    <message>
        <source>&amp;Merge changes from...</source>
        <translation>&amp;Merge changes from...</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table holds its fields.</source>
        <translation>Load a plane data file first: the table holds its fields.</translation>
    </message>
    <message>
        <source>Load a plane data file first: the table is read onto its fields.</source>
        <translation>Load a plane data file first: the table is read onto its fields.</translation>
    </message>
    <message>
        <source>Import table</source>
        <translation>Import table</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Tables (*.csv *.tsv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Load a plane data file first: the changes are merged into it.</source>
        <translation>Load a plane data file first: the changes are merged into it.</translation>
    </message>
</context>
<context>
    <name>vw::app::fields</name>
    <message>
        <source>an index is a number, a range such as 1..20, or *</source>
        <translation>an index is a number, a range such as 1..20, or *</translation>
    </message>
    <message>
        <source>plane %1 does not exist: planes are numbered from 1</source>
        <translation>plane %1 does not exist: planes are numbered from 1</translation>
    </message>
    <message>
        <source>index %1 is outside %2..%3 of &apos;%4&apos;</source>
        <translation>index %1 is outside %2..%3 of &apos;%4&apos;</translation>
    </message>
    <message>
        <source>the range %1..%2 is empty: its first index must not be above its last</source>
        <translation>the range %1..%2 is empty: its first index must not be above its last</translation>
    </message>
    <message>
        <source>&apos;]&apos; expected after the index that starts at column %1</source>
        <translation>&apos;]&apos; expected after the index that starts at column %1</translation>
    </message>
    <message>
        <source>a path starts with %1</source>
        <translation>a path starts with %1</translation>
    </message>
    <message>
        <source>%1 has %2</source>
        <translation>%1 has %2</translation>
    </message>
    <message>
        <source>a field&apos;s path expected, such as planes[7].header.name</source>
        <translation>a field&apos;s path expected, such as planes[7].header.name</translation>
    </message>
    <message>
        <source>a field of %1 expected</source>
        <translation>a field of %1 expected</translation>
    </message>
    <message>
        <source>unknown field &apos;%1&apos;</source>
        <translation>unknown field &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is a list: give an index, such as [%2] or [*]</source>
        <translation>%1 is a list: give an index, such as [%2] or [*]</translation>
    </message>
    <message>
        <source>%1 is a field: it has no members or entries</source>
        <translation>%1 is a field: it has no members or entries</translation>
    </message>
    <message>
        <source>%1 is a part, not a field: name one of its fields</source>
        <translation>%1 is a part, not a field: name one of its fields</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the path</source>
        <translation>unexpected &apos;%1&apos; after the path</translation>
    </message>
</context>
<context>
    <name>vw::damage</name>
    <message>
        <source>A damage map has 8192 bytes, not %1.</source>
        <translation>A damage map has 8192 bytes, not %1.</translation>
    </message>
    <message>
        <source>A damage map level has 1024 cells, not %1.</source>
        <translation>A damage map level has 1024 cells, not %1.</translation>
    </message>
    <message>
        <source>Plane %1 has no damage map in the file.</source>
        <translation>Plane %1 has no damage map in the file.</translation>
    </message>
    <message>
        <source>Damage map cell (%1, %2) of level %3 is outside the 32 x 32 x 8 map.</source>
        <translation>Damage map cell (%1, %2) of level %3 is outside the 32 x 32 x 8 map.</translation>
    </message>
    <message>
        <source>The parts catalogue has parts 0 to 32, not %1.</source>
        <translation>The parts catalogue has parts 0 to 32, not %1.</translation>
    </message>
    <message>
        <source>plane %1 is not in the plane list.</source>
        <translation>plane %1 is not in the plane list.</translation>
    </message>
    <message>
        <source>plane %1 has no damage map.</source>
        <translation>plane %1 has no damage map.</translation>
    </message>
    <message>
        <source>plane %1 has no damage profile slot.</source>
        <translation>plane %1 has no damage profile slot.</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Part %1</translation>
    </message>
    <message>
        <source>A damage profile has 912 bytes, not %1.</source>
        <translation>A damage profile has 912 bytes, not %1.</translation>
    </message>
    <message>
        <source>Plane %1 has no damage profile slot in the file.</source>
        <translation>Plane %1 has no damage profile slot in the file.</translation>
    </message>
    <message>
        <source>The damage profile has parts 1 to 32, not %1.</source>
        <translation>The damage profile has parts 1 to 32, not %1.</translation>
    </message>
    <message>
        <source>Plane %1 no longer has a damage map, so its change cannot be undone.</source>
        <translation>Plane %1 no longer has a damage map, so its change cannot be undone.</translation>
    </message>
    <message>
        <source>The damage profile grid has columns 1 to 4 and rows 1 to 32, not (%1, %2).</source>
        <translation>The damage profile grid has columns 1 to 4 and rows 1 to 32, not (%1, %2).</translation>
    </message>
    <message>
        <source>A modifier is a whole number from -32768 to 32767; %1 is not stored.</source>
        <translation>A modifier is a whole number from -32768 to 32767; %1 is not stored.</translation>
    </message>
</context>
<context>
    <name>vw::damage::DamageMapPage</name>
    <message>
        <source>Select Part from list and Double Click on map to place it...</source>
        <translation>Select Part from list and Double Click on map to place it...</translation>
    </message>
    <message>
        <source>Undo Last Change</source>
        <translation>Undo Last Change</translation>
    </message>
    <message>
        <source>Show 3D</source>
        <translation>Show 3D</translation>
    </message>
    <message>
        <source>Uncheck to edit</source>
        <translation>Uncheck to edit</translation>
    </message>
    <message>
        <source>Current level (1-8)</source>
        <translation>Current level (1-8)</translation>
    </message>
    <message>
        <source>Parts Catalog</source>
        <translation>Parts Catalog</translation>
    </message>
    <message>
        <source>Plane %1 has no damage map.</source>
        <translation>Plane %1 has no damage map.</translation>
    </message>
    <message>
        <source>Plane %1 has no damage map: there is nothing to place, shift or undo on it.</source>
        <translation>Plane %1 has no damage map: there is nothing to place, shift or undo on it.</translation>
    </message>
    <message>
        <source>Select a part in the Parts Catalog, then double-click the map to place it.</source>
        <translation>Select a part in the Parts Catalog, then double-click the map to place it.</translation>
    </message>
    <message>
        <source>Place </source>
        <translation>Place </translation>
    </message>
    <message>
        <source>%1 placed at column %2, row %3 of level %4.</source>
        <translation>%1 placed at column %2, row %3 of level %4.</translation>
    </message>
    <message>
        <source>up</source>
        <translation>up</translation>
    </message>
    <message>
        <source>down</source>
        <translation>down</translation>
    </message>
    <message>
        <source>left</source>
        <translation>left</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Shift level </source>
        <translation>Shift level </translation>
    </message>
    <message>
        <source>Level %1 shifted %2.</source>
        <translation>Level %1 shifted %2.</translation>
    </message>
    <message>
        <source>Level %1 looks the same shifted %2: nothing changed.</source>
        <translation>Level %1 looks the same shifted %2: nothing changed.</translation>
    </message>
    <message>
        <source> Its placements on this plane can no longer be undone with &quot;Undo Last Change&quot;.</source>
        <translation> Its placements on this plane can no longer be undone with &quot;Undo Last Change&quot;.</translation>
    </message>
    <message>
        <source>Shift the level up one cell (the top row comes round to the bottom)</source>
        <translation>Shift the level up one cell (the top row comes round to the bottom)</translation>
    </message>
    <message>
        <source>Shift the level down one cell (the bottom row comes round to the top)</source>
        <translation>Shift the level down one cell (the bottom row comes round to the top)</translation>
    </message>
    <message>
        <source>Shift the level left one cell (the left column comes round to the right)</source>
        <translation>Shift the level left one cell (the left column comes round to the right)</translation>
    </message>
    <message>
        <source>Shift the level right one cell (the right column comes round to the left)</source>
        <translation>Shift the level right one cell (the right column comes round to the left)</translation>
    </message>
</context>
<context>
    <name>vw::damage::DamageModelCopyWidget</name>
    <message>
        <source>Damage model</source>
        <translation>Damage model</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Source plane:</source>
        <translation>Source plane:</translation>
    </message>
    <message>
        <source>Destination plane:</source>
        <translation>Destination plane:</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Copy process is not possible!</translation>
    </message>
    <message>
        <source>Choose a source plane and a destination plane.</source>
        <translation>Choose a source plane and a destination plane.</translation>
    </message>
    <message>
        <source>Copy damage model</source>
        <translation>Copy damage model</translation>
    </message>
    <message>
        <source>Damage map and profile</source>
        <translation>Damage map and profile</translation>
    </message>
    <message>
        <source>Damage map</source>
        <translation>Damage map</translation>
    </message>
    <message>
        <source>Damage profile</source>
        <translation>Damage profile</translation>
    </message>
    <message>
        <source>Neither &quot;Map&quot; nor &quot;Values&quot; is ticked: nothing was copied.</source>
        <translation>Neither &quot;Map&quot; nor &quot;Values&quot; is ticked: nothing was copied.</translation>
    </message>
    <message>
        <source>%1 of plane %2 copied to plane %3.</source>
        <translation>%1 of plane %2 copied to plane %3.</translation>
    </message>
    <message>
        <source>Copy process complete!</source>
        <translation>Copy process complete!</translation>
    </message>
</context>
<context>
    <name>vw::damage::OfflineProfilePage</name>
    <message>
        <source>Part Name</source>
        <translation>Part Name</translation>
    </message>
    <message>
        <source>Damage 1</source>
        <translation>Damage 1</translation>
    </message>
    <message>
        <source>Damage 2</source>
        <translation>Damage 2</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Armor</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Basic Stats:</source>
        <translation>Basic Stats:</translation>
    </message>
    <message>
        <source>Average HP: </source>
        <translation>Average HP: </translation>
    </message>
    <message>
        <source>Average Armor: </source>
        <translation>Average Armor: </translation>
    </message>
    <message>
        <source>Offline Damage Profile</source>
        <translation>Offline Damage Profile</translation>
    </message>
    <message>
        <source>Modifier: %1 is outside -32768..32767 and was not stored; the cell keeps %2.</source>
        <translation>Modifier: %1 is outside -32768..32767 and was not stored; the cell keeps %2.</translation>
    </message>
</context>
<context>
    <name>vw::datafile</name>
    <message>
        <source>a plane data file holds at most %1 bytes</source>
        <translation>a plane data file holds at most %1 bytes</translation>
    </message>
    <message>
        <source>the data is %1 bytes long; a plane data file holds at most %2 bytes</source>
        <translation>the data is %1 bytes long; a plane data file holds at most %2 bytes</translation>
    </message>
    <message>
        <source>No plane data file is loaded; nothing was saved.</source>
        <translation>No plane data file is loaded; nothing was saved.</translation>
    </message>
    <message>
        <source>The number of planes is %1; a plane data file holds -1 to 254 (the header stores it in one byte). Nothing was saved.</source>
        <translation>The number of planes is %1; a plane data file holds -1 to 254 (the header stores it in one byte). Nothing was saved.</translation>
    </message>
    <message>
        <source>The file version is %1; a plane data file holds 0 to 65535 (the header stores it in two bytes). Nothing was saved.</source>
        <translation>The file version is %1; a plane data file holds 0 to 65535 (the header stores it in two bytes). Nothing was saved.</translation>
    </message>
    <message>
        <source>could not keep the previous file as %1: %2</source>
        <translation>could not keep the previous file as %1: %2</translation>
    </message>
    <message>
        <source>The bytes %1..%2 lie outside the file, which is %3 bytes long.</source>
        <translation>The bytes %1..%2 lie outside the file, which is %3 bytes long.</translation>
    </message>
    <message>
        <source>The file would become %1 bytes long; a plane data file holds at most %2 bytes.</source>
        <translation>The file would become %1 bytes long; a plane data file holds at most %2 bytes.</translation>
    </message>
    <message>
        <source>A gap cannot be opened at byte %1 of a file that is %2 bytes long.</source>
        <translation>A gap cannot be opened at byte %1 of a file that is %2 bytes long.</translation>
    </message>
    <message>
        <source>There is no plane %1.</source>
        <translation>There is no plane %1.</translation>
    </message>
    <message>
        <source>Plane %1 has no directory entry in this layout.</source>
        <translation>Plane %1 has no directory entry in this layout.</translation>
    </message>
    <message>
        <source>The offset %1 of plane %2 does not fit the directory&apos;s 24 bits.</source>
        <translation>The offset %1 of plane %2 does not fit the directory&apos;s 24 bits.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nothing was changed.</translation>
    </message>
    <message>
        <source>plane %1</source>
        <translation>plane %1</translation>
    </message>
    <message>
        <source>planes %1 to %2</source>
        <translation>planes %1 to %2</translation>
    </message>
    <message>
        <source>planes %1</source>
        <translation>planes %1</translation>
    </message>
    <message>
        <source>1 - Original format</source>
        <translation>1 - Original format</translation>
    </message>
    <message>
        <source>2 - Openhall plane format (128)</source>
        <translation>2 - Openhall plane format (128)</translation>
    </message>
    <message>
        <source>3 - Openhall plane format (256)</source>
        <translation>3 - Openhall plane format (256)</translation>
    </message>
    <message>
        <source>&quot;Add header for 128 planes&quot; converts a file of type %1; this file is of type %2.</source>
        <translation>&quot;Add header for 128 planes&quot; converts a file of type %1; this file is of type %2.</translation>
    </message>
    <message>
        <source>The file&apos;s tables do not lie where the 128-plane layout has them.</source>
        <translation>The file&apos;s tables do not lie where the 128-plane layout has them.</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, too short to hold the 128-plane layout&apos;s tables.</source>
        <translation>The file is %1 bytes long, too short to hold the 128-plane layout&apos;s tables.</translation>
    </message>
    <message>
        <source>The file would grow to %1 bytes; a plane data file holds at most %2 bytes.</source>
        <translation>The file would grow to %1 bytes; a plane data file holds at most %2 bytes.</translation>
    </message>
    <message>
        <source>The %1 of plane %2 lies at byte %3, inside the header and tables that the conversion moves apart.</source>
        <translation>The %1 of plane %2 lies at byte %3, inside the header and tables that the conversion moves apart.</translation>
    </message>
    <message>
        <source>The %1 of plane %2 would move to byte %3; the directory holds offsets below %4.</source>
        <translation>The %1 of plane %2 would move to byte %3; the directory holds offsets below %4.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>damage map</source>
        <translation>damage map</translation>
    </message>
    <message>
        <source>Room for 256 planes added: the file grew by %1 bytes to %2 bytes.</source>
        <translation>Room for 256 planes added: the file grew by %1 bytes to %2 bytes.</translation>
    </message>
    <message>
        <source>The file version is now 274: the file is saved as a 256-plane file without the version-273 cipher.</source>
        <translation>The file version is now 274: the file is saved as a 256-plane file without the version-273 cipher.</translation>
    </message>
    <message>
        <source>The file version was %1 and is now 274, because only a version above 273 loads as a 256-plane file.</source>
        <translation>The file version was %1 and is now 274, because only a version above 273 loads as a 256-plane file.</translation>
    </message>
    <message>
        <source>The file version is now %1.</source>
        <translation>The file version is now %1.</translation>
    </message>
    <message>
        <source>&quot;Regenerate Offsets&quot; works on 128- and 256-plane files; this file is in the original 63-plane layout.</source>
        <translation>&quot;Regenerate Offsets&quot; works on 128- and 256-plane files; this file is in the original 63-plane layout.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 would lie at byte %3, over the file&apos;s header and shared tables.</source>
        <translation>The new %1 of plane %2 would lie at byte %3, over the file&apos;s header and shared tables.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 would lie at byte %3; the directory holds offsets below %4.</source>
        <translation>The new %1 of plane %2 would lie at byte %3; the directory holds offsets below %4.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 would end at byte %3; a plane data file holds at most %4 bytes.</source>
        <translation>The new %1 of plane %2 would end at byte %3; a plane data file holds at most %4 bytes.</translation>
    </message>
    <message>
        <source>The new %1 of plane %2 at byte %3 would overlap a block of another plane at byte %4: the planes&apos; blocks do not follow each other at one stride.</source>
        <translation>The new %1 of plane %2 at byte %3 would overlap a block of another plane at byte %4: the planes&apos; blocks do not follow each other at one stride.</translation>
    </message>
    <message>
        <source>New planes are placed one stride apart, the distance between planes 2 and 3, and these need a record and a damage map each.</source>
        <translation>New planes are placed one stride apart, the distance between planes 2 and 3, and these need a record and a damage map each.</translation>
    </message>
    <message>
        <source>Plane %1 has no directory entry: this layout has room for %2 planes.</source>
        <translation>Plane %1 has no directory entry: this layout has room for %2 planes.</translation>
    </message>
    <message>
        <source>The damage profile of plane %1 lies outside the file.</source>
        <translation>The damage profile of plane %1 lies outside the file.</translation>
    </message>
    <message>
        <source>Plane %1 has no blocks that plane %2&apos;s could follow.</source>
        <translation>Plane %1 has no blocks that plane %2&apos;s could follow.</translation>
    </message>
    <message>
        <source>Every plane has its blocks; no offsets were regenerated.</source>
        <translation>Every plane has its blocks; no offsets were regenerated.</translation>
    </message>
    <message>
        <source>Offsets regenerated for %1.</source>
        <translation>Offsets regenerated for %1.</translation>
    </message>
    <message>
        <source>The file grew to %1 bytes.</source>
        <translation>The file grew to %1 bytes.</translation>
    </message>
    <message>
        <source>this is a folder, not a file</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>a FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>a character device</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>a block device</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>not a regular file (%1)</source>
        <translation>not a regular file (%1)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>the name leads into a loop of symbolic links</source>
        <translation>the name leads into a loop of symbolic links</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes; %2</source>
        <translation>it holds more than %1 bytes; %2</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>; only regular files are replaced</source>
        <translation>; only regular files are replaced</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; %2</source>
        <translation>the file is %1 bytes long; %2</translation>
    </message>
    <message>
        <source>not a regular file (a special file)</source>
        <translation>not a regular file (a special file)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to (%2)</source>
        <translation>the folder %1 cannot be written to (%2)</translation>
    </message>
    <message>
        <source>this is a symbolic link, not a file</source>
        <translation>this is a symbolic link, not a file</translation>
    </message>
</context>
<context>
    <name>vw::fields</name>
    <message>
        <source>Plane is selectable</source>
        <translation>Plane is selectable</translation>
    </message>
    <message>
        <source>Plane name</source>
        <translation>Plane name</translation>
    </message>
    <message>
        <source>Icon in air</source>
        <translation>Icon in air</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Cocpit №1</source>
        <translation>Cocpit №1</translation>
    </message>
    <message>
        <source>Cocpit №2</source>
        <translation>Cocpit №2</translation>
    </message>
    <message>
        <source>3D Model</source>
        <translation>3D Model</translation>
    </message>
    <message>
        <source>Plane Type</source>
        <translation>Plane Type</translation>
    </message>
    <message>
        <source>Slot index</source>
        <translation>Slot index</translation>
    </message>
    <message>
        <source>Weapon group</source>
        <translation>Weapon group</translation>
    </message>
    <message>
        <source>Weapon type</source>
        <translation>Weapon type</translation>
    </message>
    <message>
        <source>Hvy Ammo</source>
        <translation>Hvy Ammo</translation>
    </message>
    <message>
        <source>Bursts</source>
        <translation>Bursts</translation>
    </message>
    <message>
        <source>Ammo</source>
        <translation>Ammo</translation>
    </message>
    <message>
        <source>Weapon Coordinates X</source>
        <translation>Weapon Coordinates X</translation>
    </message>
    <message>
        <source>Weapon Coordinates Y</source>
        <translation>Weapon Coordinates Y</translation>
    </message>
    <message>
        <source>Weapon Coordinates Z</source>
        <translation>Weapon Coordinates Z</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Damage part</source>
        <translation>Damage part</translation>
    </message>
    <message>
        <source>Trasser</source>
        <translation>Trasser</translation>
    </message>
    <message>
        <source>Assigned &apos;Key&apos;</source>
        <translation>Assigned &apos;Key&apos;</translation>
    </message>
    <message>
        <source>Vertical control type</source>
        <translation>Vertical control type</translation>
    </message>
    <message>
        <source>Vertical Angle min</source>
        <translation>Vertical Angle min</translation>
    </message>
    <message>
        <source>Vertical Angle max</source>
        <translation>Vertical Angle max</translation>
    </message>
    <message>
        <source>Horizontal control type</source>
        <translation>Horizontal control type</translation>
    </message>
    <message>
        <source>Horizontal Angle min</source>
        <translation>Horizontal Angle min</translation>
    </message>
    <message>
        <source>Horizontal Angle max</source>
        <translation>Horizontal Angle max</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Config name</source>
        <translation>Config name</translation>
    </message>
    <message>
        <source>Number of weapons</source>
        <translation>Number of weapons</translation>
    </message>
    <message>
        <source>weapon</source>
        <translation>weapon</translation>
    </message>
    <message>
        <source>Number of configs</source>
        <translation>Number of configs</translation>
    </message>
    <message>
        <source>config</source>
        <translation>config</translation>
    </message>
    <message>
        <source>primary row</source>
        <translation>primary row</translation>
    </message>
    <message>
        <source>trailing row</source>
        <translation>trailing row</translation>
    </message>
    <message>
        <source>Speed (mph)</source>
        <translation>Speed (mph)</translation>
    </message>
    <message>
        <source>Engine power</source>
        <translation>Engine power</translation>
    </message>
    <message>
        <source>Speed points</source>
        <translation>Speed points</translation>
    </message>
    <message>
        <source>Altitude rows</source>
        <translation>Altitude rows</translation>
    </message>
    <message>
        <source>Unknown engine parameter</source>
        <translation>Unknown engine parameter</translation>
    </message>
    <message>
        <source>altitude row</source>
        <translation>altitude row</translation>
    </message>
    <message>
        <source>speed point</source>
        <translation>speed point</translation>
    </message>
    <message>
        <source>WEP Fuel</source>
        <translation>WEP Fuel</translation>
    </message>
    <message>
        <source>WEP Overheet</source>
        <translation>WEP Overheet</translation>
    </message>
    <message>
        <source>WEP Cooling</source>
        <translation>WEP Cooling</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Enabled&apos;</source>
        <translation>Text String on &apos;WEP Enabled&apos;</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Disabled&apos;</source>
        <translation>Text String on &apos;WEP Disabled&apos;</translation>
    </message>
    <message>
        <source>Text String on &apos;Out of WEP&apos;</source>
        <translation>Text String on &apos;Out of WEP&apos;</translation>
    </message>
    <message>
        <source>WEP Power</source>
        <translation>WEP Power</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>Yaw</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>column</source>
        <translation>column</translation>
    </message>
    <message>
        <source>handling row</source>
        <translation>handling row</translation>
    </message>
    <message>
        <source>damage map level</source>
        <translation>damage map level</translation>
    </message>
    <message>
        <source>row</source>
        <translation>row</translation>
    </message>
    <message>
        <source>Damage 1</source>
        <translation>Damage 1</translation>
    </message>
    <message>
        <source>Damage 2</source>
        <translation>Damage 2</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Armor</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>damage profile part</source>
        <translation>damage profile part</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Wings</translation>
    </message>
    <message>
        <source>wing</source>
        <translation>wing</translation>
    </message>
    <message>
        <source>Name bytes</source>
        <translation>Name bytes</translation>
    </message>
    <message>
        <source>Ammunition name</source>
        <translation>Ammunition name</translation>
    </message>
    <message>
        <source>AP Damage</source>
        <translation>AP Damage</translation>
    </message>
    <message>
        <source>HE Damage</source>
        <translation>HE Damage</translation>
    </message>
    <message>
        <source>HE Range</source>
        <translation>HE Range</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Param 1</source>
        <translation>Param 1</translation>
    </message>
    <message>
        <source>Param 2</source>
        <translation>Param 2</translation>
    </message>
    <message>
        <source>ammunition</source>
        <translation>ammunition</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>File Version</translation>
    </message>
    <message>
        <source>Misc.bin format</source>
        <translation>Misc.bin format</translation>
    </message>
    <message>
        <source>Number of Planes</source>
        <translation>Number of Planes</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Plane</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>plane</translation>
    </message>
    <message>
        <source>Pitch, Yaw or Roll</source>
        <translation>Pitch, Yaw or Roll</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel</name>
    <message>
        <source>Estimated time of flight: %1 h</source>
        <translation>Estimated time of flight: %1 h</translation>
    </message>
    <message>
        <source>Max Positive Overload: %1 G</source>
        <translation>Max Positive Overload: %1 G</translation>
    </message>
    <message>
        <source>Max Negative Overload: %1 G</source>
        <translation>Max Negative Overload: %1 G</translation>
    </message>
    <message>
        <source>Base Weight/Weight: %1</source>
        <translation>Base Weight/Weight: %1</translation>
    </message>
    <message>
        <source>Fuel load (in liters): %1</source>
        <translation>Fuel load (in liters): %1</translation>
    </message>
    <message>
        <source>Fuel consumption (in liters): %1</source>
        <translation>Fuel consumption (in liters): %1</translation>
    </message>
    <message>
        <source>500m alt low speed: %1 hp</source>
        <translation>500m alt low speed: %1 hp</translation>
    </message>
    <message>
        <source>4000m alt med speed: %1 hp</source>
        <translation>4000m alt med speed: %1 hp</translation>
    </message>
    <message>
        <source>8000m alt high speed: %1 hp</source>
        <translation>8000m alt high speed: %1 hp</translation>
    </message>
    <message>
        <source>current</source>
        <translation>current</translation>
    </message>
    <message>
        <source>The handling grid has columns 1 to 3 and rows 1 to 41, not (%1, %2).</source>
        <translation>The handling grid has columns 1 to 3 and rows 1 to 41, not (%1, %2).</translation>
    </message>
    <message>
        <source>A factor of %1 tenths is outside 1..15.</source>
        <translation>A factor of %1 tenths is outside 1..15.</translation>
    </message>
    <message>
        <source>No %1 plane is chosen.</source>
        <translation>No %1 plane is chosen.</translation>
    </message>
    <message>
        <source>The file has no plane %1 (it holds %2 planes).</source>
        <translation>The file has no plane %1 (it holds %2 planes).</translation>
    </message>
    <message>
        <source>Plane %1 has no plane record.</source>
        <translation>Plane %1 has no plane record.</translation>
    </message>
    <message>
        <source>source</source>
        <translation>source</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>destination</translation>
    </message>
    <message>
        <source>The copy buffer has slots 1 to %1; there is no slot %2.</source>
        <translation>The copy buffer has slots 1 to %1; there is no slot %2.</translation>
    </message>
    <message>
        <source>The copy buffer ends at slot %1: %2 planes from slot %3 do not fit.</source>
        <translation>The copy buffer ends at slot %1: %2 planes from slot %3 do not fit.</translation>
    </message>
    <message>
        <source>Plane %1 has no entry in the plane directory.</source>
        <translation>Plane %1 has no entry in the plane directory.</translation>
    </message>
    <message>
        <source>The file ends at plane %1: %2 of %3 planes %4.</source>
        <translation>The file ends at plane %1: %2 of %3 planes %4.</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copied</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>pasted</translation>
    </message>
    <message>
        <source>Slot %1 of the copy buffer is empty: copy a plane into it first.</source>
        <translation>Slot %1 of the copy buffer is empty: copy a plane into it first.</translation>
    </message>
    <message>
        <source>Engine power cell (%1, %2) is outside the 20 x 80 matrix.</source>
        <translation>Engine power cell (%1, %2) is outside the 20 x 80 matrix.</translation>
    </message>
    <message>
        <source>Integer overflow: %1 seconds is %2 milliseconds, more than a WEP time holds (-2147483648 to 2147483647). The time keeps its value.</source>
        <translation>Integer overflow: %1 seconds is %2 milliseconds, more than a WEP time holds (-2147483648 to 2147483647). The time keeps its value.</translation>
    </message>
    <message>
        <source>The handling table has rows 0 to 40, not %1.</source>
        <translation>The handling table has rows 0 to 40, not %1.</translation>
    </message>
    <message>
        <source>Record bytes %1..%2 lie outside the 31208-byte plane record.</source>
        <translation>Record bytes %1..%2 lie outside the 31208-byte plane record.</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::EngineWepPage</name>
    <message>
        <source>Altitude (meters)</source>
        <translation>Altitude (meters)</translation>
    </message>
    <message>
        <source>WEP Power</source>
        <translation>WEP Power</translation>
    </message>
    <message>
        <source>Matrix size</source>
        <translation>Matrix size</translation>
    </message>
    <message>
        <source>Unknown engine parameter:</source>
        <translation>Unknown engine parameter:</translation>
    </message>
    <message>
        <source>Мах flying altitude in 1000 ft increments</source>
        <translation>Max flying altitude in 1000 ft increments</translation>
    </message>
    <message>
        <source>Number of maximum speed engine points</source>
        <translation>Number of maximum speed engine points</translation>
    </message>
    <message>
        <source>Wep Controls</source>
        <translation>Wep Controls</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Enabled&apos; :</source>
        <translation>Text String on &apos;WEP Enabled&apos; :</translation>
    </message>
    <message>
        <source>Text String on &apos;WEP Disabled&apos; :</source>
        <translation>Text String on &apos;WEP Disabled&apos; :</translation>
    </message>
    <message>
        <source>Text String on &apos;Out of WEP&apos; :</source>
        <translation>Text String on &apos;Out of WEP&apos; :</translation>
    </message>
    <message>
        <source>WEP Times sec:</source>
        <translation>WEP Times sec:</translation>
    </message>
    <message>
        <source>WEP Fuel</source>
        <translation>WEP Fuel</translation>
    </message>
    <message>
        <source>WEP Overheet</source>
        <translation>WEP Overheet</translation>
    </message>
    <message>
        <source>WEP Cooling</source>
        <translation>WEP Cooling</translation>
    </message>
    <message>
        <source>Current pos:</source>
        <translation>Current pos:</translation>
    </message>
    <message>
        <source>I.e. : </source>
        <translation>I.e. : </translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Altitude rows</source>
        <translation>Altitude rows</translation>
    </message>
    <message>
        <source>Speed points</source>
        <translation>Speed points</translation>
    </message>
    <message>
        <source>Unknown engine parameter</source>
        <translation>Unknown engine parameter</translation>
    </message>
    <message>
        <source>WEP text</source>
        <translation>WEP text</translation>
    </message>
    <message>
        <source>WEP time</source>
        <translation>WEP time</translation>
    </message>
    <message>
        <source>Engine and WEP</source>
        <translation>Engine and WEP</translation>
    </message>
    <message>
        <source>WEP Power at %1 m</source>
        <translation>WEP Power at %1 m</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::FlightModelAdjustmentsWidget</name>
    <message>
        <source>Flight model adjustments</source>
        <translation>Flight model adjustments</translation>
    </message>
    <message>
        <source>Reduce Roll Inertia</source>
        <translation>Reduce Roll Inertia</translation>
    </message>
    <message>
        <source>Every plane: primary rows 4 and 7 times 2.</source>
        <translation>Every plane: primary rows 4 and 7 times 2.</translation>
    </message>
    <message>
        <source>Reduce Low Speed Handling</source>
        <translation>Reduce Low Speed Handling</translation>
    </message>
    <message>
        <source>Every plane: handling at 0, 40 and 80 mph times 0.4/0.4/0.1, 0.7/0.7/0.4 and 0.9/0.9/0.7 (pitch/yaw/roll).</source>
        <translation>Every plane: handling at 0, 40 and 80 mph times 0.4/0.4/0.1, 0.7/0.7/0.4 and 0.9/0.9/0.7 (pitch/yaw/roll).</translation>
    </message>
    <message>
        <source>Increase Low Speed Handling</source>
        <translation>Increase Low Speed Handling</translation>
    </message>
    <message>
        <source>Every plane: pitch and yaw at 0 mph times 1.2, at most 1.0.</source>
        <translation>Every plane: pitch and yaw at 0 mph times 1.2, at most 1.0.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 planes changed.</source>
        <translation>%1: %2 of %3 planes changed.</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::HandlingPage</name>
    <message>
        <source>Speed (mph)</source>
        <translation>Speed (mph)</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>Yaw</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Up One Notch</source>
        <translation>Up One Notch</translation>
    </message>
    <message>
        <source>The selected cell&apos;s value is dropped; the values below it in the column move up one row (40 mph slower).</source>
        <translation>The selected cell&apos;s value is dropped; the values below it in the column move up one row (40 mph slower).</translation>
    </message>
    <message>
        <source>Down One Notch</source>
        <translation>Down One Notch</translation>
    </message>
    <message>
        <source>The values from the selected cell on move down one row (40 mph faster); the 1600 mph value is dropped.</source>
        <translation>The values from the selected cell on move down one row (40 mph faster); the 1600 mph value is dropped.</translation>
    </message>
    <message>
        <source>Select a pitch, yaw or roll cell of the handling table first.</source>
        <translation>Select a pitch, yaw or roll cell of the handling table first.</translation>
    </message>
    <message>
        <source>%1: the 1600 mph row has nothing below it to move.</source>
        <translation>%1: the 1600 mph row has nothing below it to move.</translation>
    </message>
    <message>
        <source>%1: %2 from %3 mph on shifted.</source>
        <translation>%1: %2 from %3 mph on shifted.</translation>
    </message>
    <message>
        <source>Handiling</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>%1 at %2 mph</source>
        <translation>%1 at %2 mph</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::HeaderPage</name>
    <message>
        <source>Plane header &amp;&amp; Plane copy</source>
        <translation>Plane header &amp;&amp; Plane copy</translation>
    </message>
    <message>
        <source>Plane name:</source>
        <translation>Plane name:</translation>
    </message>
    <message>
        <source>Icon in air:</source>
        <translation>Icon in air:</translation>
    </message>
    <message>
        <source>Sounds:</source>
        <translation>Sounds:</translation>
    </message>
    <message>
        <source>Cocpit №1:</source>
        <translation>Cockpit №1:</translation>
    </message>
    <message>
        <source>Cocpit №2:</source>
        <translation>Cockpit №2:</translation>
    </message>
    <message>
        <source>3D Model:</source>
        <translation>3D Model:</translation>
    </message>
    <message>
        <source>Plane Type</source>
        <translation>Plane Type</translation>
    </message>
    <message>
        <source>Fighter</source>
        <translation>Fighter</translation>
    </message>
    <message>
        <source>Bomber</source>
        <translation>Bomber</translation>
    </message>
    <message>
        <source>Plane is selectable</source>
        <translation>Plane is selectable</translation>
    </message>
    <message>
        <source>Weapon Loadouts</source>
        <translation>Weapon Loadouts</translation>
    </message>
    <message>
        <source>Copy 98 nodes</source>
        <translation>Copy 98 nodes</translation>
    </message>
    <message>
        <source>Plane header</source>
        <translation>Plane header</translation>
    </message>
    <message>
        <source>Copy loadouts</source>
        <translation>Copy loadouts</translation>
    </message>
    <message>
        <source>Copy 98 nodes copies planes 3..99 onto planes 102..198: the file needs at least 198 planes, each with a plane record; it has %1 planes.</source>
        <translation>Copy 98 nodes copies planes 3..99 onto planes 102..198: the file needs at least 198 planes, each with a plane record; it has %1 planes.</translation>
    </message>
    <message>
        <source>Copy loadouts: choose a source and a destination plane, both with a plane record.</source>
        <translation>Copy loadouts: choose a source and a destination plane, both with a plane record.</translation>
    </message>
    <message>
        <source>Copy process complete!</source>
        <translation>Copy process complete!</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Copy process is not possible!</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::PlaneBufferWidget</name>
    <message>
        <source>Copy/Paste all plane data</source>
        <translation>Copy/Paste all plane data</translation>
    </message>
    <message>
        <source>Active buffer position:</source>
        <translation>Active buffer position:</translation>
    </message>
    <message>
        <source>Batch handle:</source>
        <translation>Batch handle:</translation>
    </message>
    <message>
        <source>Auto Increment</source>
        <translation>Auto Increment</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Copy a plane into the buffer first.</source>
        <translation>Copy a plane into the buffer first.</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Copy process is not possible!</translation>
    </message>
    <message>
        <source>Paste all plane data</source>
        <translation>Paste all plane data</translation>
    </message>
    <message>
        <source>planes %1 to %2</source>
        <translation>planes %1 to %2</translation>
    </message>
    <message>
        <source>slots %1 to %2</source>
        <translation>slots %1 to %2</translation>
    </message>
    <message>
        <source>Buffer %1 pasted onto %2.</source>
        <translation>Buffer %1 pasted onto %2.</translation>
    </message>
    <message>
        <source>Copied %1 into buffer %2.</source>
        <translation>Copied %1 into buffer %2.</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::PlaneCopyWidget</name>
    <message>
        <source>Flight model</source>
        <translation>Flight model</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Engines</translation>
    </message>
    <message>
        <source>Copy only first X cols</source>
        <translation>Copy only first X cols</translation>
    </message>
    <message>
        <source>Columns of the engine power matrix, 0 to %1.</source>
        <translation>Columns of the engine power matrix, 0 to %1.</translation>
    </message>
    <message>
        <source>Copy only first X cols: &quot;%1&quot; is not a whole number, read as %2</source>
        <translation>Copy only first X cols: &quot;%1&quot; is not a whole number, read as %2</translation>
    </message>
    <message>
        <source>Copy only first X cols: %1 limited to %2 (the matrix has %3 columns)</source>
        <translation>Copy only first X cols: %1 limited to %2 (the matrix has %3 columns)</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Copy process is not possible!</translation>
    </message>
    <message>
        <source>Copy process complete!</source>
        <translation>Copy process complete!</translation>
    </message>
    <message>
        <source>Copy flight model</source>
        <translation>Copy flight model</translation>
    </message>
    <message>
        <source>Flight model of plane %1 copied onto plane %2.</source>
        <translation>Flight model of plane %1 copied onto plane %2.</translation>
    </message>
    <message>
        <source>Copy first engine columns</source>
        <translation>Copy first engine columns</translation>
    </message>
    <message>
        <source>Copy engines</source>
        <translation>Copy engines</translation>
    </message>
    <message>
        <source>Copy only first X cols with X = 0: no engine power cell copied.</source>
        <translation>Copy only first X cols with X = 0: no engine power cell copied.</translation>
    </message>
    <message>
        <source>Engine power columns 1 to %1 of plane %2 copied onto plane %3.</source>
        <translation>Engine power columns 1 to %1 of plane %2 copied onto plane %3.</translation>
    </message>
    <message>
        <source>Engine tables of plane %1 copied onto plane %2.</source>
        <translation>Engine tables of plane %1 copied onto plane %2.</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::PrimaryPage</name>
    <message>
        <source>Params</source>
        <translation>Params</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Current pos:</source>
        <translation>Current pos:</translation>
    </message>
    <message>
        <source>Basic Stats:</source>
        <translation>Basic Stats:</translation>
    </message>
    <message>
        <source>Engine power at:</source>
        <translation>Engine power at:</translation>
    </message>
    <message>
        <source>Primary configurations</source>
        <translation>Primary configurations</translation>
    </message>
</context>
<context>
    <name>vw::flightmodel::WingsPage</name>
    <message>
        <source>alt/num</source>
        <translation>alt/num</translation>
    </message>
    <message>
        <source>Wings</source>
        <translation>Wings</translation>
    </message>
    <message>
        <source>Wing %1 at %2 m</source>
        <translation>Wing %1 at %2 m</translation>
    </message>
</context>
<context>
    <name>vw::powerchart::EnginePowerPage</name>
    <message>
        <source>m/mph</source>
        <translation>m/mph</translation>
    </message>
    <message>
        <source>Raise the cells the scope button names (also the mouse wheel up over the grid)</source>
        <translation>Raise the cells the scope button names (also the mouse wheel up over the grid)</translation>
    </message>
    <message>
        <source>Lower the cells the scope button names (also the mouse wheel down over the grid)</source>
        <translation>Lower the cells the scope button names (also the mouse wheel down over the grid)</translation>
    </message>
    <message>
        <source>Scope of raise and lower, click for the next:
L-R: raise or lower the whole row
U-D: the whole column
-1+: the current cell
-2+, -4+, -6+: the cell and its neighbours in the row
SEL: every selected cell</source>
        <translation>Scope of raise and lower, click for the next:
L-R: raise or lower the whole row
U-D: the whole column
-1+: the current cell
-2+, -4+, -6+: the cell and its neighbours in the row
SEL: every selected cell</translation>
    </message>
    <message>
        <source>Chart mode: down shows power over altitude, up power over speed</source>
        <translation>Chart mode: down shows power over altitude, up power over speed</translation>
    </message>
    <message>
        <source>Очистить контрольные точки</source>
        <translation>Clear the control points</translation>
    </message>
    <message>
        <source>Removes every control point of the chart.</source>
        <translation>Removes every control point of the chart.</translation>
    </message>
    <message>
        <source>Выставить контрольные точки</source>
        <translation>Place control points</translation>
    </message>
    <message>
        <source>Click on the chart from low altitude upwards; a right click takes the last one back.</source>
        <translation>Click on the chart from low altitude upwards; a right click takes the last one back.</translation>
    </message>
    <message>
        <source>Apply the control points: fill the current column between them in straight lines</source>
        <translation>Apply the control points: fill the current column between them in straight lines</translation>
    </message>
    <message>
        <source>Нормализовать значения (x.xxx)</source>
        <translation>Normalise values (x.xxx)</translation>
    </message>
    <message>
        <source>Rounds every value of the matrix to three decimals.</source>
        <translation>Rounds every value of the matrix to three decimals.</translation>
    </message>
    <message>
        <source>Raise engine power</source>
        <translation>Raise engine power</translation>
    </message>
    <message>
        <source>Lower engine power</source>
        <translation>Lower engine power</translation>
    </message>
    <message>
        <source>Engine power %1 (%2): %3 cell(s) of plane %4, row %5.</source>
        <translation>Engine power %1 (%2): %3 cell(s) of plane %4, row %5.</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>raised</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>lowered</translation>
    </message>
    <message>
        <source>Apply control points</source>
        <translation>Apply control points</translation>
    </message>
    <message>
        <source>Normalise engine power</source>
        <translation>Normalise engine power</translation>
    </message>
    <message>
        <source>Altitude: </source>
        <translation>Altitude: </translation>
    </message>
    <message>
        <source> m.  Power: </source>
        <translation> m.  Power: </translation>
    </message>
    <message>
        <source>Engine Power #1</source>
        <translation>Engine Power #1</translation>
    </message>
    <message>
        <source>Speed point %1</source>
        <translation>Speed point %1</translation>
    </message>
    <message>
        <source>Power at %1 m, speed point %2</source>
        <translation>Power at %1 m, speed point %2</translation>
    </message>
</context>
<context>
    <name>vw::powerchart::PowerChart</name>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
</context>
<context>
    <name>vw::weapons</name>
    <message>
        <source>An ammunition name has 19 bytes, not %1.</source>
        <translation>An ammunition name has 19 bytes, not %1.</translation>
    </message>
    <message>
        <source>The file&apos;s ammunition table does not hold the %1 entries the editor uses.</source>
        <translation>The file&apos;s ammunition table does not hold the %1 entries the editor uses.</translation>
    </message>
    <message>
        <source>A configuration has weapon slots 1 to 16, not %1.</source>
        <translation>A configuration has weapon slots 1 to 16, not %1.</translation>
    </message>
    <message>
        <source>A plane has configurations 1 to 8, not %1.</source>
        <translation>A plane has configurations 1 to 8, not %1.</translation>
    </message>
    <message>
        <source>Plane %1 has no plane record in the file, so it has no weapons.</source>
        <translation>Plane %1 has no plane record in the file, so it has no weapons.</translation>
    </message>
</context>
<context>
    <name>vw::weapons::AmmoPage</name>
    <message>
        <source>Weapons</source>
        <translation>Weapons</translation>
    </message>
    <message>
        <source>AP Damage:</source>
        <translation>AP Damage:</translation>
    </message>
    <message>
        <source>HE Damage:</source>
        <translation>HE Damage:</translation>
    </message>
    <message>
        <source>HE Range:</source>
        <translation>HE Range:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Param 1:</source>
        <translation>Param 1:</translation>
    </message>
    <message>
        <source>Param 2:</source>
        <translation>Param 2:</translation>
    </message>
    <message>
        <source>Half Damage</source>
        <translation>Half Damage</translation>
    </message>
    <message>
        <source>Double Damage</source>
        <translation>Double Damage</translation>
    </message>
    <message>
        <source>Copy All Data</source>
        <translation>Copy All Data</translation>
    </message>
    <message>
        <source>Paste All Data</source>
        <translation>Paste All Data</translation>
    </message>
    <message>
        <source>Copy All Data first: the clipboard is empty.</source>
        <translation>Copy All Data first: the clipboard is empty.</translation>
    </message>
    <message>
        <source>Ammunition </source>
        <translation>Ammunition </translation>
    </message>
    <message>
        <source>Half Damage: AP and HE damage of entries 0 to %1 halved.</source>
        <translation>Half Damage: AP and HE damage of entries 0 to %1 halved.</translation>
    </message>
    <message>
        <source>Double Damage: AP and HE damage of entries 0 to %1 doubled.</source>
        <translation>Double Damage: AP and HE damage of entries 0 to %1 doubled.</translation>
    </message>
    <message>
        <source>Double Damage: AP and HE damage doubled; the HE damage of %1 %2 was left as it was, as its double would not fit the field.</source>
        <translation>Double Damage: AP and HE damage doubled; the HE damage of %1 %2 was left as it was, as its double would not fit the field.</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>entry</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>entries</translation>
    </message>
    <message>
        <source>Copy All Data: the numbers of entries 0 to %1 are kept for Paste All Data.</source>
        <translation>Copy All Data: the numbers of entries 0 to %1 are kept for Paste All Data.</translation>
    </message>
    <message>
        <source>Paste All Data: the numbers of entries 0 to %1 pasted; their names are kept.</source>
        <translation>Paste All Data: the numbers of entries 0 to %1 pasted; their names are kept.</translation>
    </message>
    <message>
        <source>Paste All Data: the clipboard is empty; Copy All Data first.</source>
        <translation>Paste All Data: the clipboard is empty; Copy All Data first.</translation>
    </message>
</context>
<context>
    <name>vw::weapons::MoreGun</name>
    <message>
        <source>0: Large MG Turret</source>
        <translation>0: Large MG Turret</translation>
    </message>
    <message>
        <source>1: NOT USED</source>
        <translation>1: NOT USED</translation>
    </message>
    <message>
        <source>2: Heavy Powered Turret</source>
        <translation>2: Heavy Powered Turret</translation>
    </message>
    <message>
        <source>3: Single Barreled MG</source>
        <translation>3: Single Barreled MG</translation>
    </message>
    <message>
        <source>4: Dual Barreled MG</source>
        <translation>4: Dual Barreled MG</translation>
    </message>
    <message>
        <source>5: NOT USED</source>
        <translation>5: NOT USED</translation>
    </message>
    <message>
        <source>6: Small Chain MG</source>
        <translation>6: Small Chain MG</translation>
    </message>
    <message>
        <source>7: NOT USED</source>
        <translation>7: NOT USED</translation>
    </message>
    <message>
        <source>8: Small Disc MG</source>
        <translation>8: Small Disc MG</translation>
    </message>
    <message>
        <source>0: Machie Gun</source>
        <translation>0: Machine Gun</translation>
    </message>
    <message>
        <source>1: Turret</source>
        <translation>1: Turret</translation>
    </message>
    <message>
        <source>More Weapons</source>
        <translation>More Weapons</translation>
    </message>
    <message>
        <source>Top View</source>
        <translation>Top View</translation>
    </message>
    <message>
        <source>Front View</source>
        <translation>Front View</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Control type X/Y:</source>
        <translation>Control type X/Y:</translation>
    </message>
    <message>
        <source>Assigned &apos;Key&apos;:</source>
        <translation>Assigned &apos;Key&apos;:</translation>
    </message>
    <message>
        <source>Damage:</source>
        <translation>Damage:</translation>
    </message>
    <message>
        <source>Trasser:</source>
        <translation>Trasser:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>Vertical Angle:</source>
        <translation>Vertical Angle:</translation>
    </message>
    <message>
        <source>Horizontal Angle:</source>
        <translation>Horizontal Angle:</translation>
    </message>
    <message>
        <source>Weapon Coordinates</source>
        <translation>Weapon Coordinates</translation>
    </message>
    <message>
        <source>Х:</source>
        <translation>X:</translation>
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
        <translation> coordinate</translation>
    </message>
    <message>
        <source>Assigned &apos;Key&apos;</source>
        <translation>Assigned &apos;Key&apos;</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>key %1</translation>
    </message>
    <message>
        <source>Vertical Angle min:</source>
        <translation>Vertical Angle min:</translation>
    </message>
    <message>
        <source>Vertical Angle max:</source>
        <translation>Vertical Angle max:</translation>
    </message>
    <message>
        <source>Horizontal Angle min:</source>
        <translation>Horizontal Angle min:</translation>
    </message>
    <message>
        <source>Horizontal Angle max:</source>
        <translation>Horizontal Angle max:</translation>
    </message>
    <message>
        <source>Vertical control type</source>
        <translation>Vertical control type</translation>
    </message>
    <message>
        <source>Horizontal control type</source>
        <translation>Horizontal control type</translation>
    </message>
    <message>
        <source>Damage part</source>
        <translation>Damage part</translation>
    </message>
    <message>
        <source>min:</source>
        <translation>min:</translation>
    </message>
    <message>
        <source>max:</source>
        <translation>max:</translation>
    </message>
</context>
<context>
    <name>vw::weapons::WeaponAdjustmentsWidget</name>
    <message>
        <source>Weapons of all planes</source>
        <translation>Weapons of all planes</translation>
    </message>
    <message>
        <source>Set Bursts to Ammo as 1 to 1</source>
        <translation>Set Bursts to Ammo as 1 to 1</translation>
    </message>
    <message>
        <source>Reduce Deviation</source>
        <translation>Reduce Deviation</translation>
    </message>
    <message>
        <source>Set Bomb deviation to</source>
        <translation>Set Bomb deviation to</translation>
    </message>
    <message>
        <source>Deviation of the bombs of fighters</source>
        <translation>Deviation of the bombs of fighters</translation>
    </message>
    <message>
        <source>Deviation of the bombs of bombers</source>
        <translation>Deviation of the bombs of bombers</translation>
    </message>
    <message>
        <source>Set trasser count</source>
        <translation>Set tracer count</translation>
    </message>
    <message>
        <source>Reduce Fire Delay Twice</source>
        <translation>Reduce Fire Delay Twice</translation>
    </message>
    <message>
        <source>Remove Skip Bombs</source>
        <translation>Remove Skip Bombs</translation>
    </message>
    <message>
        <source>: no plane of this file has a plane record, so no weapon changed</source>
        <translation>: no plane of this file has a plane record, so no weapon changed</translation>
    </message>
    <message>
        <source>%1: %2 weapons on %3 planes</source>
        <translation>%1: %2 weapons on %3 planes</translation>
    </message>
</context>
<context>
    <name>vw::weapons::WeaponsPage</name>
    <message>
        <source>Copy process complete!</source>
        <translation>Copy process complete!</translation>
    </message>
    <message>
        <source>Copy process is not possible!</source>
        <translation>Copy process is not possible!</translation>
    </message>
    <message>
        <source>Summary (*permanent at present):</source>
        <translation>Summary (*permanent at present):</translation>
    </message>
    <message>
        <source>Manage configs</source>
        <translation>Manage configs</translation>
    </message>
    <message>
        <source>Copy config</source>
        <translation>Copy config</translation>
    </message>
    <message>
        <source>Current config:</source>
        <translation>Current config:</translation>
    </message>
    <message>
        <source>Number of configs:</source>
        <translation>Number of configs:</translation>
    </message>
    <message>
        <source>Source config:</source>
        <translation>Source config:</translation>
    </message>
    <message>
        <source>Destination config:</source>
        <translation>Destination config:</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>Дополнительно</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Current weapon:</source>
        <translation>Current weapon:</translation>
    </message>
    <message>
        <source>Weapon group:</source>
        <translation>Weapon group:</translation>
    </message>
    <message>
        <source>Hvy Ammo:</source>
        <translation>Hvy Ammo:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Ammo:</source>
        <translation>Ammo:</translation>
    </message>
    <message>
        <source>Bursts:</source>
        <translation>Bursts:</translation>
    </message>
    <message>
        <source>List of weapons:</source>
        <translation>List of weapons:</translation>
    </message>
    <message>
        <source>Managing weapons</source>
        <translation>Managing weapons</translation>
    </message>
    <message>
        <source>Copy weapon</source>
        <translation>Copy weapon</translation>
    </message>
    <message>
        <source>Number of weapons:</source>
        <translation>Number of weapons:</translation>
    </message>
    <message>
        <source>Plane:</source>
        <translation>Plane:</translation>
    </message>
    <message>
        <source>Config:</source>
        <translation>Config:</translation>
    </message>
    <message>
        <source>Weapon:</source>
        <translation>Weapon:</translation>
    </message>
    <message>
        <source>Source weapon</source>
        <translation>Source weapon</translation>
    </message>
    <message>
        <source>Destination weapon</source>
        <translation>Destination weapon</translation>
    </message>
    <message>
        <source>Plane %1 has no plane record in this file, so it has no weapon configurations to show or edit.</source>
        <translation>Plane %1 has no plane record in this file, so it has no weapon configurations to show or edit.</translation>
    </message>
    <message>
        <source>Config name</source>
        <translation>Config name</translation>
    </message>
    <message>
        <source>Number of configs</source>
        <translation>Number of configs</translation>
    </message>
    <message>
        <source>Number of weapons</source>
        <translation>Number of weapons</translation>
    </message>
    <message>
        <source>Weapon type</source>
        <translation>Weapon type</translation>
    </message>
    <message>
        <source>Weapon group</source>
        <translation>Weapon group</translation>
    </message>
    <message>
        <source>Ammo</source>
        <translation>Ammo</translation>
    </message>
    <message>
        <source>Hvy Ammo</source>
        <translation>Hvy Ammo</translation>
    </message>
    <message>
        <source>Bursts</source>
        <translation>Bursts</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Copy config %1 to %2</source>
        <translation>Copy config %1 to %2</translation>
    </message>
    <message>
        <source>Copy config: plane %1 has no plane record, so it has no configurations.</source>
        <translation>Copy config: plane %1 has no plane record, so it has no configurations.</translation>
    </message>
    <message>
        <source>Copy weapon: choose a source and a destination weapon; a configuration without weapons, or a plane without a plane record, has none to choose.</source>
        <translation>Copy weapon: choose a source and a destination weapon; a configuration without weapons, or a plane without a plane record, has none to choose.</translation>
    </message>
    <message>
        <source>Copy weapon: the source or the destination plane has no plane record.</source>
        <translation>Copy weapon: the source or the destination plane has no plane record.</translation>
    </message>
</context>
</TS>

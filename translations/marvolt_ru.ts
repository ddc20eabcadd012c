<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>GtfsImport</name>
    <message>
        <source>Cannot open the feed %1: %2</source>
        <translation>Не удалось открыть данные GTFS %1: %2</translation>
    </message>
    <message>
        <source>The feed has no %1</source>
        <translation>В данных GTFS нет %1</translation>
    </message>
    <message>
        <source>Cannot read %1 of the feed: %2</source>
        <translation>Не удалось прочитать %1 из данных GTFS: %2</translation>
    </message>
    <message>
        <source>%1 has no column %2</source>
        <translation>В %1 нет столбца %2</translation>
    </message>
    <message>
        <source>The feed has no route %1</source>
        <translation>В данных GTFS нет маршрута %1</translation>
    </message>
    <message>
        <source>A route can only be imported into an empty route with a folder</source>
        <translation>Маршрут можно импортировать только в пустой маршрут с папкой</translation>
    </message>
    <message>
        <source>%1 is not empty; nothing was written</source>
        <translation>Папка %1 не пуста; ничего не записано</translation>
    </message>
    <message>
        <source>Cannot write the route files into %1</source>
        <translation>Не удалось записать файлы маршрута в %1</translation>
    </message>
    <message>
        <source>stops.txt has no stop %1</source>
        <translation>В stops.txt нет остановки %1</translation>
    </message>
    <message>
        <source>Route %1 has no trips</source>
        <translation>У маршрута %1 нет рейсов</translation>
    </message>
    <message>
        <source>The feed has no trip %1</source>
        <translation>В данных GTFS нет рейса %1</translation>
    </message>
    <message>
        <source>Trip %1 belongs to route_id %2, not to route %3</source>
        <translation>Рейс %1 относится к route_id %2, а не к маршруту %3</translation>
    </message>
    <message>
        <source>The trips of route %1 have no stop times</source>
        <translation>У рейсов маршрута %1 нет времён прохождения остановок</translation>
    </message>
    <message>
        <source>The trips of route %1 have no stop times: it is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed has no route with trips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds %2; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed names a file outside its folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feed holds %1 twice: %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name cleaned: &quot;%1&quot; is now &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no announcement words for the language %1: the English ones are used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 claims to unpack to %2 bytes, more than its %3 packed bytes can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not UTF-8 from line %2 on: it is read as %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name of more than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unpacks to more than the %2 bytes it claims</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quote that opens the field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a field of more than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a row of more than %1 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip %1 has stop_sequence %2 twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trip %1 has more than %2 stops (see --max-stops)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop_sequence &quot;%1&quot; is no number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteTool</name>
    <message>
        <source>Show this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>The route folder, the one that holds ost.txt.</source>
        <translation>Папка маршрута, в которой лежит ost.txt.</translation>
    </message>
    <message>
        <source>Print the route of FOLDER as one JSON object.</source>
        <translation>Вывести маршрут из FOLDER одним объектом JSON.</translation>
    </message>
    <message>
        <source>Load the route of FOLDER and write all its files back in place.</source>
        <translation>Загрузить маршрут из FOLDER и записать все его файлы обратно на место.</translation>
    </message>
    <message>
        <source>Write the example route into FOLDER, creating the folder when needed. Refused when FOLDER already holds an ost.txt.</source>
        <translation>Записать пример маршрута в FOLDER, при необходимости создав папку. Отказ, если в FOLDER уже есть ost.txt.</translation>
    </message>
    <message>
        <source>Draw a destination board of the route of FOLDER as the editor previews it, as a PNG picture or as text.</source>
        <translation>Нарисовать наружное табло маршрута из FOLDER так, как его показывает редактор, — картинкой PNG или текстом.</translation>
    </message>
    <message>
        <source>Print the width in dots of each TEXT on a board, one number per line.</source>
        <translation>Вывести ширину каждого TEXT на табло в точках, по одному числу в строке.</translation>
    </message>
    <message>
        <source>The texts to measure.</source>
        <translation>Тексты для измерения.</translation>
    </message>
    <message>
        <source>The route folders.</source>
        <translation>Папки маршрутов.</translation>
    </message>
    <message>
        <source>The GTFS feed, a zip file.</source>
        <translation>Данные GTFS, файл zip.</translation>
    </message>
    <message>
        <source>The line: its route_short_name, or else its route_id.</source>
        <translation>Линия: её route_short_name, а если его нет, route_id.</translation>
    </message>
    <message>
        <source>Take the stops of this one trip instead of the most frequent pattern.</source>
        <translation>Взять остановки этого рейса вместо самой частой последовательности.</translation>
    </message>
    <message>
        <source>The translations.txt language of the route&apos;s second language.</source>
        <translation>Язык из translations.txt для второго языка маршрута.</translation>
    </message>
    <message>
        <source>import-gtfs --list expects FEED only.</source>
        <translation>import-gtfs --list ожидает только FEED.</translation>
    </message>
    <message>
        <source>import-gtfs expects FEED, --route NAME and FOLDER.</source>
        <translation>import-gtfs ожидает FEED, --route NAME и FOLDER.</translation>
    </message>
    <message>
        <source>Fail on warnings as well as on errors.</source>
        <translation>Завершаться с ошибкой не только при ошибках, но и при предупреждениях.</translation>
    </message>
    <message>
        <source>The board font by name: Font32, Font20, Font16, Font12, Font10Bold, Font10Thin, Font8Bold, Font8Thin, Digits16, Digits20, Digits24 or Digits32.</source>
        <translation>Шрифт табло по имени: Font32, Font20, Font16, Font12, Font10Bold, Font10Thin, Font8Bold, Font8Thin, Digits16, Digits20, Digits24 или Digits32.</translation>
    </message>
    <message>
        <source>The font the boards use for a line of H dots (16 when neither option is given).</source>
        <translation>Шрифт, которым табло пишет строку высотой H точек (16, если не задан ни один из параметров).</translation>
    </message>
    <message>
        <source>With --height: the thick font where a height has two.</source>
        <translation>С --height: толстый шрифт, если для высоты их два.</translation>
    </message>
    <message>
        <source>The board: front, side or back.</source>
        <translation>Табло: front (переднее), side (боковое) или back (заднее).</translation>
    </message>
    <message>
        <source>The board type 0 ... 11; without it the type of the route&apos;s editor.ini, else 0 for the front and 1 for the side and back boards.</source>
        <translation>Тип табло 0 ... 11; без него тип из editor.ini маршрута, а если его нет, 0 для переднего и 1 для бокового и заднего табло.</translation>
    </message>
    <message>
        <source>Animation frames to run, as after a click on the board; 0 (the default) draws the still board.</source>
        <translation>Сколько кадров анимации прокрутить, как после щелчка по табло; 0 (по умолчанию) рисует неподвижное табло.</translation>
    </message>
    <message>
        <source>The language shown first, 1 (the default) or 2.</source>
        <translation>Язык, показываемый первым: 1 (по умолчанию) или 2.</translation>
    </message>
    <message>
        <source>Write the painted board to FILE.</source>
        <translation>Записать нарисованное табло в FILE.</translation>
    </message>
    <message>
        <source>Print the board, one line per row: &quot;.&quot; dark, &quot;#&quot; lit.</source>
        <translation>Вывести табло текстом, строка на каждый ряд точек: &quot;.&quot; — не горит, &quot;#&quot; — горит.</translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation>не задана команда.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;.</source>
        <translation>неизвестная команда &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 expects %2.</source>
        <translation>%1 ожидает %2.</translation>
    </message>
    <message>
        <source>cannot read the station list of %1.</source>
        <translation>не удалось прочитать список остановок %1.</translation>
    </message>
    <message>
        <source>cannot write the route files of %1.</source>
        <translation>не удалось записать файлы маршрута %1.</translation>
    </message>
    <message>
        <source>%1 already holds a route.</source>
        <translation>в %1 уже есть маршрут.</translation>
    </message>
    <message>
        <source>cannot create the folder %1.</source>
        <translation>не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>render: --board must be front, side or back.</source>
        <translation>render: --board должен быть front, side или back.</translation>
    </message>
    <message>
        <source>render: give either --png FILE or --ascii.</source>
        <translation>render: укажите либо --png FILE, либо --ascii.</translation>
    </message>
    <message>
        <source>render: --%1 must be a whole number from %2 to %3.</source>
        <translation>render: --%1 должен быть целым числом от %2 до %3.</translation>
    </message>
    <message>
        <source>cannot write %1.</source>
        <translation>не удалось записать %1.</translation>
    </message>
    <message>
        <source>measure: give either --font or --height, not both.</source>
        <translation>measure: укажите либо --font, либо --height, но не оба.</translation>
    </message>
    <message>
        <source>measure: there is no font &quot;%1&quot;.</source>
        <translation>measure: нет шрифта &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>measure: --height must be a whole number from 1 to 1024.</source>
        <translation>measure: --height должен быть целым числом от 1 до 1024.</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [options] ARGUMENTS
Reads and writes the route folders of the on-board passenger information unit.

Commands:
</source>
        <translation>Использование: %1 COMMAND [параметры] ARGUMENTS
Читает и записывает папки маршрутов бортового блока информирования пассажиров.

Команды:
</translation>
    </message>
    <message>
        <source>
Run &quot;%1 COMMAND --help&quot; for the arguments of a command.
</source>
        <translation>
Аргументы команды: &quot;%1 COMMAND --help&quot;.
</translation>
    </message>
    <message>
        <source>Usage: %1 %2 [options] %3
%4

Arguments:
</source>
        <translation>Использование: %1 %2 [параметры] %3
%4

Аргументы:
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Параметры:
</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the commands.</source>
        <translation>Список команд: &quot;%1 --help&quot;.</translation>
    </message>
    <message>
        <source>Run &quot;%1 %2 --help&quot; for its arguments.</source>
        <translation>Аргументы команды: &quot;%1 %2 --help&quot;.</translation>
    </message>
    <message>
        <source>, stop %1</source>
        <translation>, остановка %1</translation>
    </message>
    <message>
        <source>, language %1</source>
        <translation>, язык %1</translation>
    </message>
    <message>
        <source>no problems</source>
        <translation>проблем нет</translation>
    </message>
    <message>
        <source>%1 %2: %3 in %4 of %5 folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next-stop text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>side-board name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound attached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound detached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text attached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text detached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>advertising text attached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>advertising text detached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>advertising order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next-stop layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>return direction starts at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the routes of the FOLDERs for what the unit would announce or show wrong. Every folder is checked; the exit status is the worst: 0 when no route has errors, 1 when one has, 2 when a route cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a route folder for one line of a GTFS feed: its stops in both directions with names and positions, generated announcements, the route number and terminal stops on the boards. FOLDER must be empty or absent. With --all, create one for every line that has trips, each in a folder of FOLDER named after the line. With --list, print the feed&apos;s routes instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak voice drafts of the announcements of FOLDER with espeak-ng: for each entry, the texts the unit announces in each language of the route, into tts_&lt;entry number&gt;_&lt;voice&gt;.wav, attached to the entry in ost.txt. Recorded files are never replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print what changed from the route of OLD to that of NEW: stops added, removed, moved and renamed, their texts, files, positions and radii, the board headers, the settings and texts of script.txt, the advertising list, the next-stop layout and the language count. Exit status 0 when they are equal, 1 when they differ, 2 when one cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The route folder as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The route folder as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename a stop in every route given, with what follows from it as in the editor: the side-board name and the next-stop text of the stop before, where they were made from the old name; texts written by hand stay. The stop is found by its name without the stop word. Prints what changed per folder; a folder that cannot be read or written is reported and the others go on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the entries numbered A to B, as ost.txt counts them from 1; A alone is one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak the entries without any sound file (the default).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak the entries whose only sound files are drafts as well, replacing those drafts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The espeak-ng voice of the first language (ru, en, en-US...), and after a comma of the second; by default the language of the stop word, else Russian for Cyrillic texts and English for Latin ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words per minute, %1 to %2 (default %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the files and their texts only; write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speak: give either --missing or --replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speak: --stops must be A-B or A, entry numbers from 1 with A not above B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speak: --rate must be a whole number from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speak: --voice takes one language tag such as ru or en-US for each of the two languages at most, separated by a comma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>language %1: the route does not tell which it is; give its voice with --voice. Nothing is spoken in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>language %1: espeak-ng has no voice &quot;%2&quot;. Nothing is spoken in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) to write
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) written, %2 s in all
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The language of the announcement words when the feed names none in feed_info.txt or agency.txt (default ru).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word in front of a stop&apos;s name in its announcement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words in front of the next stop&apos;s name in its announcement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take parenthesised remarks out of the stop names and collapse blanks; the names changed are listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most stops a trip may have (default %1); a feed with a longer trip is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the routes of the feed that have trips, in natural order of their short names: id, short name, long name and the trips of each direction, separated by tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import every route that has trips, reading the feed once, into FOLDER/&lt;short name&gt;; FOLDER must not hold any of these folders yet. With --list: print the routes without trips as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import-gtfs --all imports every route: it takes no --route or --trip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import-gtfs: --max-stops must be a whole number from 1 on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n problem(s): %2; &quot;%3 check %1&quot; lists them</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Print the report as JSON, with the time of the check and the program version: the object of the folder, or for several an object listing theirs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a line per problem code with its counts over all folders instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stop times read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 of %2 routes written</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n route(s) imported, %2 stop times read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Print the changes as JSON: each with its kind, the stop numbers in both versions, the language and the old and new values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stop&apos;s name in the first language, without the stop word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its new name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same stop&apos;s name in the second language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its new name in the second language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print what would change, and write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename-stop expects --from OLD and --to NEW.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename-stop: give --from2 and --to2 together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: stop %2, language %3: %4 &quot;%5&quot; → &quot;%6&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no stop &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n text(s) would change; nothing was written</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>О Marvolt</source>
        <translation>About Marvolt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Marvolt&lt;/b&gt;</source>
        <translation>&lt;b&gt;Marvolt&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Редактор маршрутов бортовой информационной системы автобуса и трамвая: остановки, объявления, табло и координаты.</source>
        <translation>Route editor for the on-board passenger information system of buses and trams: stops, announcements, boards and coordinates.</translation>
    </message>
    <message>
        <source>Версия %1, Qt %2</source>
        <translation>Version %1, Qt %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Marvolt</source>
        <translation>Marvolt</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить изменения</source>
        <translation>Save the changes</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Отменить последнее действие</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Вернуть последнее действие</source>
        <translation>Redo the last undone action</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Проверить маршрут</source>
        <translation>Check Route</translation>
    </message>
    <message>
        <source>Найти, что блок объявит или покажет не так</source>
        <translation>Find what the unit would announce or show wrongly</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Импорт из GTFS…</source>
        <translation>Import from GTFS…</translation>
    </message>
    <message>
        <source>Открыть маршрут</source>
        <translation>Open route</translation>
    </message>
    <message>
        <source>Закрыть маршрут</source>
        <translation>Close route</translation>
    </message>
    <message>
        <source>Приложение</source>
        <translation>Marvolt</translation>
    </message>
    <message>
        <source>Папка %1 не найдена.</source>
        <translation>The folder %1 was not found.</translation>
    </message>
    <message>
        <source>Выберите папку с маршрутом</source>
        <translation>Choose a Route Folder</translation>
    </message>
    <message>
        <source>Выберите данные GTFS</source>
        <translation>Choose a GTFS Feed</translation>
    </message>
    <message>
        <source>Данные GTFS (*.zip)</source>
        <translation>GTFS feeds (*.zip)</translation>
    </message>
    <message>
        <source>Импорт из GTFS</source>
        <translation>Import from GTFS</translation>
    </message>
    <message>
        <source>В данных нет маршрутов.</source>
        <translation>The feed holds no routes.</translation>
    </message>
    <message>
        <source>%1 — %2 (рейсов туда %3, обратно %4)</source>
        <translation>%1 — %2 (%3 trips out, %4 back)</translation>
    </message>
    <message>
        <source>Маршрут:</source>
        <translation>Route:</translation>
    </message>
    <message>
        <source>Выберите пустую папку для маршрута</source>
        <translation>Choose an Empty Folder for the Route</translation>
    </message>
    <message>
        <source>Маршрут был изменен. Сохранить изменения?</source>
        <translation>The route has been changed. Save the changes?</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следующий маршрут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предыдущий маршрут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В папке %1 маршрутов. Открыть все?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да</source>
        <translation type="unfinished">Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished">No</translation>
    </message>
    <message>
        <source>Все маршруты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите пустую папку для маршрутов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Папка %1 не пуста.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть %1 маршрутов?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Смена номера
</source>
        <translation>Change number
</translation>
    </message>
    <message>
        <source>Смена пункта отправления
</source>
        <translation>Change starting point
</translation>
    </message>
    <message>
        <source>Смена пункта назначения
</source>
        <translation>Change destination
</translation>
    </message>
    <message>
        <source>Выбор режима переднего табло
</source>
        <translation>Set front board mode
</translation>
    </message>
    <message>
        <source>Выбор шрифта переднего табло
</source>
        <translation>Set front board font
</translation>
    </message>
    <message>
        <source>Выбор времени смены текста на заднем табло
</source>
        <translation>Set rear board text interval
</translation>
    </message>
    <message>
        <source>Выбор цвета переднего табло
</source>
        <translation>Set front board colour
</translation>
    </message>
    <message>
        <source>Выбор цвета бокового табло
</source>
        <translation>Set side board colour
</translation>
    </message>
    <message>
        <source>Выбор цвета заднего табло
</source>
        <translation>Set rear board colour
</translation>
    </message>
    <message>
        <source>Выбор цвета табло в салоне
</source>
        <translation>Set interior board colour
</translation>
    </message>
    <message>
        <source>Изменение координат остановки
</source>
        <translation>Change stop coordinates
</translation>
    </message>
    <message>
        <source>Изменение радиуса остановки
</source>
        <translation>Change stop radius
</translation>
    </message>
    <message>
        <source>Добавление файла %1 к остановке
</source>
        <translation>Add file %1 to stop
</translation>
    </message>
    <message>
        <source>Удаление файла %1 от остановки
</source>
        <translation>Remove file %1 from stop
</translation>
    </message>
    <message>
        <source>Перемещение текстового файла на остановке
</source>
        <translation>Move text file of stop
</translation>
    </message>
    <message>
        <source>Выбор времени смены текста на переднем табло
</source>
        <translation>Set front board text interval
</translation>
    </message>
    <message>
        <source>Выбор цвета левого софита
</source>
        <translation>Set left soffit colour
</translation>
    </message>
    <message>
        <source>Выбор цвета правого софита
</source>
        <translation>Set right soffit colour
</translation>
    </message>
    <message>
        <source>Изменение задержки объявления следующей
</source>
        <translation>Change next-stop announcement delay
</translation>
    </message>
    <message>
        <source>Изменение порядка вывода на бегущей строке
</source>
        <translation>Change scrolling text order
</translation>
    </message>
    <message>
        <source>Изменение строки маршрут
</source>
        <translation>Change route text
</translation>
    </message>
    <message>
        <source>Выбор времени смены текста на боковом табло
</source>
        <translation>Set side board text interval
</translation>
    </message>
    <message>
        <source>Изменение разделителя остановок
</source>
        <translation>Change stop separator
</translation>
    </message>
    <message>
        <source>Добавление остановки
</source>
        <translation>Add stop
</translation>
    </message>
    <message>
        <source>Удаление остановки
</source>
        <translation>Delete stop
</translation>
    </message>
    <message>
        <source>Изменение имени остановки
</source>
        <translation>Change stop name
</translation>
    </message>
    <message>
        <source>Изменение следующей остановки
</source>
        <translation>Change next-stop announcement
</translation>
    </message>
    <message>
        <source>Изменение бококого имени остановки
</source>
        <translation>Change side board stop name
</translation>
    </message>
</context>
<context>
    <name>RouteCheck</name>
    <message>
        <source>Список рекламных объявлений не сохранится в таком виде.</source>
        <translation>The list of advertisements will not be saved as it is.</translation>
    </message>
    <message>
        <source>Текст «%1» блок прочитает как конец списка остановок или начало обратного направления.</source>
        <translation>The unit will read the text “%1” as the end of the stop list or the start of the return direction.</translation>
    </message>
    <message>
        <source>Текст «%1» блок прочитает как имя файла.</source>
        <translation>The unit will read the text “%1” as a file name.</translation>
    </message>
    <message>
        <source>Имена файлов остановки не сохранятся в таком виде.</source>
        <translation>The file names of the stop will not be saved as they are.</translation>
    </message>
    <message>
        <source>Объявление следующей «%1» без объявления остановки на этом языке не сохранится.</source>
        <translation>The next-stop announcement “%1” will not be saved without a stop announcement in this language.</translation>
    </message>
    <message>
        <source>Текст «%1» содержит обратную косую черту, которой файл разделяет поля.</source>
        <translation>The text “%1” contains a backslash, which separates the fields of the file.</translation>
    </message>
    <message>
        <source>Текст «%1» не сохранится в таком виде.</source>
        <translation>The text “%1” will not be saved as it is.</translation>
    </message>
    <message>
        <source>Блок прочитает конец текста «%1» как режим табло.</source>
        <translation>The unit will read the end of the text “%1” as a board mode.</translation>
    </message>
    <message>
        <source>Разделитель «%1» содержит точку с запятой, которой файл разделяет настройки.</source>
        <translation>The separator “%1” contains a semicolon, which separates the settings of the file.</translation>
    </message>
    <message>
        <source>Текст «%1» кончается обратной косой чертой, и блок прочитает за ним следующую настройку.</source>
        <translation>The text “%1” ends with a backslash, so the unit will read the next setting as part of it.</translation>
    </message>
    <message>
        <source>Файла %1 нет в папке маршрута.</source>
        <translation>The file %1 is not in the route folder.</translation>
    </message>
    <message>
        <source>Папки с рекламой %1 нет, а рекламные объявления названы.</source>
        <translation>The advertising folder %1 does not exist, but advertisements are listed.</translation>
    </message>
    <message>
        <source>Файла %1 нет в папке с рекламой.</source>
        <translation>The file %1 is not in the advertising folder.</translation>
    </message>
    <message>
        <source>Текст %1 не назван в списке рекламы.</source>
        <translation>The text %1 is not in the list of advertisements.</translation>
    </message>
    <message>
        <source>Файл %1 не назван ни у одной остановки.</source>
        <translation>The file %1 is not used by any stop.</translation>
    </message>
    <message>
        <source>У остановки нет координат: она будет объявлена после отъезда от предыдущей.</source>
        <translation>The stop has no coordinates: it will be announced after leaving the previous stop.</translation>
    </message>
    <message>
        <source>Круг объявления остановки заходит на круг предыдущей: между ними %1 м.</source>
        <translation>The announcement circle of the stop overlaps that of the previous stop: they are %1 m apart.</translation>
    </message>
    <message>
        <source>До предыдущей остановки %1 км: проверьте координаты.</source>
        <translation>The previous stop is %1 km away: check the coordinates.</translation>
    </message>
    <message>
        <source>Объявление пустое.</source>
        <translation>The announcement is empty.</translation>
    </message>
    <message>
        <source>Нет объявления на втором языке.</source>
        <translation>There is no announcement in the second language.</translation>
    </message>
    <message>
        <source>Остановка «%1» повторяется подряд.</source>
        <translation>The stop “%1” is repeated.</translation>
    </message>
    <message>
        <source>Строка %1 не читается: она после конца списка, называет несуществующую остановку или не содержит ничего понятного.</source>
        <translation>Line %1 cannot be read: it comes after the end of the list, names a stop that does not exist or holds nothing the unit understands.</translation>
    </message>
    <message>
        <source>Файл в кодировке Windows-1251; при сохранении он будет записан в UTF-8.</source>
        <translation>The file is encoded in Windows-1251; it will be saved in UTF-8.</translation>
    </message>
    <message>
        <source>Номер «%1» не помещается на табло.</source>
        <translation>The number “%1” does not fit on the board.</translation>
    </message>
    <message>
        <source>Пункт отправления «%1» не помещается на табло.</source>
        <translation>The starting point “%1” does not fit on the board.</translation>
    </message>
    <message>
        <source>Пункт назначения «%1» не помещается на табло.</source>
        <translation>The destination “%1” does not fit on the board.</translation>
    </message>
    <message>
        <source>Строка «%1» не помещается на табло.</source>
        <translation>The line “%1” does not fit on the board.</translation>
    </message>
    <message>
        <source>Звук объявления — только черновик синтезатора речи: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название остановки «%1» не помещается на боковом табло.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteCheckDialog</name>
    <message>
        <source>Проверка маршрута</source>
        <translation>Route Check</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>Остановка</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Что не так</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Двойной щелчок по строке показывает место в маршруте.</source>
        <translation>Double-click a row to show the place in the route.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Сведения</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Проблем не найдено.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>Ошибок: %1, предупреждений: %2, сведений: %3.</source>
        <translation>Errors: %1, warnings: %2, info: %3.</translation>
    </message>
</context>
<context>
    <name>RouteForm</name>
    <message>
        <source>Общее</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Количество языков</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Объявление следующей
после открытия дверей</source>
        <translation>Next-stop announcement
after the doors open</translation>
    </message>
    <message>
        <source>никогда</source>
        <translation>never</translation>
    </message>
    <message>
        <source>через </source>
        <translation>after </translation>
    </message>
    <message>
        <source> c</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Отдельное объявление для следующей остановки</source>
        <translation>Separate announcement for the next stop</translation>
    </message>
    <message>
        <source>Шаблоны объявлений</source>
        <translation>Announcement Templates</translation>
    </message>
    <message>
        <source>Остановка</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Следующая остановка</source>
        <translation>Next stop</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Переднее табло</source>
        <translation>Front Board</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Пункт отправления</source>
        <translation>Starting point</translation>
    </message>
    <message>
        <source>Пункт назначения (разделитель строк &apos;_&apos;)</source>
        <translation>Destination (&apos;_&apos; breaks the line)</translation>
    </message>
    <message>
        <source>Менять через</source>
        <translation>Change every</translation>
    </message>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Режим отображения</source>
        <translation>Display Mode</translation>
    </message>
    <message>
        <source>Статичный</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>По центру</source>
        <translation>Centred</translation>
    </message>
    <message>
        <source>Только
 пункт назначения</source>
        <translation>Destination
 only</translation>
    </message>
    <message>
        <source>Пункт назначения
 увеличен</source>
        <translation>Destination
 enlarged</translation>
    </message>
    <message>
        <source>Шрифт по строкам</source>
        <translation>Font per Line</translation>
    </message>
    <message>
        <source>Ж</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Цвет табло</source>
        <translation>Board Colour</translation>
    </message>
    <message>
        <source>Софиты</source>
        <translation>Soffits</translation>
    </message>
    <message>
        <source>Левый софит</source>
        <translation>Left soffit</translation>
    </message>
    <message>
        <source>Правый софит</source>
        <translation>Right soffit</translation>
    </message>
    <message>
        <source>Боковое табло</source>
        <translation>Side Board</translation>
    </message>
    <message>
        <source>Пункт назначения</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Остановки
 вертикально</source>
        <translation>Stops
 vertically</translation>
    </message>
    <message>
        <source>Список остановок</source>
        <translation>Stop List</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Разделитель</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Заполнить автоматически</source>
        <translation>Fill in automatically</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Заднее табло</source>
        <translation>Rear Board</translation>
    </message>
    <message>
        <source>Бегущая строка</source>
        <translation>Scrolling Text</translation>
    </message>
    <message>
        <source>Порядок</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Порядок вывода сообщений</source>
        <translation>Message order</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Номер маршрута</source>
        <translation>Route number</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Объявления на остановке</source>
        <translation>Announcements at the stop</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Температура на улице</source>
        <translation>Outside temperature</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Температура в салоне</source>
        <translation>Inside temperature</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Реклама</source>
        <translation>Advertising</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Текущие дата и время</source>
        <translation>Current date and time</translation>
    </message>
    <message>
        <source>()N</source>
        <translation>()N</translation>
    </message>
    <message>
        <source>Повторить N раз или если  N=0 бесконечный повтор.</source>
        <translation>Repeat N times, or forever if N=0.</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and Time</translation>
    </message>
    <message>
        <source>Рекламные объявления</source>
        <translation>Advertisements</translation>
    </message>
    <message>
        <source>Все рекламные объявления</source>
        <translation>All advertisements</translation>
    </message>
    <message>
        <source>Добавить выбранный файл</source>
        <translation>Add the selected file</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Убрать из списка</source>
        <translation>Remove from the list</translation>
    </message>
    <message>
        <source>Новый текстовый файл</source>
        <translation>New text file</translation>
    </message>
    <message>
        <source>Открыть в текстовом редакторе</source>
        <translation>Open in the text editor</translation>
    </message>
    <message>
        <source>Показать в папке</source>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>Выбрать папку с рекламой</source>
        <translation>Choose the advertising folder</translation>
    </message>
    <message>
        <source>Объявление остановки</source>
        <translation>Stop announcement</translation>
    </message>
    <message>
        <source>Объявление следующей</source>
        <translation>Next-stop announcement</translation>
    </message>
    <message>
        <source>Новая остановка</source>
        <translation>New Stop</translation>
    </message>
    <message>
        <source>Добавить следующую
 перед текущей</source>
        <translation>Add Next Stop
 Before This One</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Звуковые файлы остановки</source>
        <translation>Sound files of the stop</translation>
    </message>
    <message>
        <source>Все звуковые файлы</source>
        <translation>All sound files</translation>
    </message>
    <message>
        <source>Воспроизвести</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop playback</translation>
    </message>
    <message>
        <source>0:00 / 0:00</source>
        <translation>0:00 / 0:00</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Текстовые файлы остановки</source>
        <translation>Text files of the stop</translation>
    </message>
    <message>
        <source>Все текстовые файлы</source>
        <translation>All text files</translation>
    </message>
    <message>
        <source>Координаты</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Радиус</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Для всех</source>
        <translation>Apply to All</translation>
    </message>
    <message>
        <source>Если координаты не заданы, остановка будет объявлена после отъезда от предыдущей.</source>
        <translation>Without coordinates the stop is announced after leaving the previous stop.</translation>
    </message>
    <message>
        <source>ГЛОНАСС / GPS</source>
        <translation>GLONASS / GPS</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Приложение</source>
        <translation>Marvolt</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1. Маршрут не открыт.</source>
        <translation>Cannot read the file %1. The route was not opened.</translation>
    </message>
    <message>
        <source>Маршрут с отдельным объявлением следующей остановки?</source>
        <translation>Does the route have a separate announcement for the next stop?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ошибка сохранения маршрута!</source>
        <translation>The route could not be saved.</translation>
    </message>
    <message>
        <source>Табло 32x320 цветное</source>
        <translation>32×320 colour board</translation>
    </message>
    <message>
        <source>Табло 32x192 цветное</source>
        <translation>32×192 colour board</translation>
    </message>
    <message>
        <source>Табло 20x200 цветное</source>
        <translation>20×200 colour board</translation>
    </message>
    <message>
        <source>Табло 20x160 цветное</source>
        <translation>20×160 colour board</translation>
    </message>
    <message>
        <source>Табло 16x128</source>
        <translation>16×128 board</translation>
    </message>
    <message>
        <source>Табло 16x128 цветное</source>
        <translation>16×128 colour board</translation>
    </message>
    <message>
        <source>Табло 16x96</source>
        <translation>16×96 board</translation>
    </message>
    <message>
        <source>Табло 24x144 цветное</source>
        <translation>24×144 colour board</translation>
    </message>
    <message>
        <source>Табло 20x120 цветное</source>
        <translation>20×120 colour board</translation>
    </message>
    <message>
        <source>Табло 32x256 цветное</source>
        <translation>32×256 colour board</translation>
    </message>
    <message>
        <source>Табло 20x40 цветное</source>
        <translation>20×40 colour board</translation>
    </message>
    <message>
        <source>Табло 16x96 + софиты</source>
        <translation>16×96 board + soffits</translation>
    </message>
    <message>
        <source>Цвет переднего табло</source>
        <translation>Front Board Colour</translation>
    </message>
    <message>
        <source>Цвет бокового табло</source>
        <translation>Side Board Colour</translation>
    </message>
    <message>
        <source>Цвет заднего табло</source>
        <translation>Rear Board Colour</translation>
    </message>
    <message>
        <source>Цвет табло в салоне</source>
        <translation>Interior Board Colour</translation>
    </message>
    <message>
        <source>Имя файла</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Введите имя для нового файла.</source>
        <translation>Enter a name for the new file.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Не удалось создать файл %1.</source>
        <translation>Cannot create the file %1.</translation>
    </message>
    <message>
        <source>Выберите папку с рекламой</source>
        <translation>Choose the Advertising Folder</translation>
    </message>
    <message>
        <source>Папка с рекламой должна быть в папке с маршрутом или рядом с ней!</source>
        <translation>The advertising folder must be inside the route folder or next to it.</translation>
    </message>
    <message>
        <source>Ошибка воспроизведения!</source>
        <translation>Playback error.</translation>
    </message>
    <message>
        <source>Формат не поддерживается!</source>
        <translation>Unsupported format.</translation>
    </message>
    <message>
        <source>Сетевая ошибка!</source>
        <translation>Network error.</translation>
    </message>
    <message>
        <source>Ошибка доступа!</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Нет устройства воспроизведения!</source>
        <translation>No playback device.</translation>
    </message>
    <message>
        <source>Погашен</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Желтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Зеленый</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Озвучить тексты остановки синтезатором речи в черновой звуковой файл и прикрепить его</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Озвучить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Остановка %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Некоторые тексты не сохранятся так, как введены. Сохранить всё равно?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished">Save</translation>
    </message>
    <message>
        <source>Файлы маршрута изменены на диске: %1. Перезаписать?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перезаписать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следующая вкладка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предыдущая вкладка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следующая остановка списка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предыдущая остановка списка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У остановки нет текста на этом языке.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У синтезатора речи нет голоса «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteModel</name>
    <message>
        <source>Маршрут</source>
        <translation>Route</translation>
    </message>
</context>
<context>
    <name>SaveQuestion</name>
    <message>
        <source>Сохранение изменений</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TabloColorDialog</name>
    <message>
        <source>Цвет табло</source>
        <translation>Board Colour</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Зеленый</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TabloTextHelpForm</name>
    <message>
        <source>Перечень команд</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>&lt;&amp;F1 - переключить на тонкий шрифт, &lt;&amp;F0 - на толстый;</source>
        <translation>&lt;&amp;F1 - switch to the thin font, &lt;&amp;F0 - to the thick one;</translation>
    </message>
    <message>
        <source>&lt;&amp;P10 Текст&gt; - выводит текст на заданное время в секундах;</source>
        <translation>&lt;&amp;P10 Text&gt; - shows the text for the given number of seconds;</translation>
    </message>
    <message>
        <source>&lt;&amp;V10 Текст&gt; - текст плавно опустится сверху;</source>
        <translation>&lt;&amp;V10 Text&gt; - the text slides down from the top;</translation>
    </message>
    <message>
        <source>&lt;&amp;G10 Текст&gt; - текст по буквам вылетит справа;</source>
        <translation>&lt;&amp;G10 Text&gt; - the text flies in from the right letter by letter;</translation>
    </message>
    <message>
        <source>&lt;&amp;C10 Текст&gt; – текст появится из случайных точек;</source>
        <translation>&lt;&amp;C10 Text&gt; – the text appears out of random dots;</translation>
    </message>
    <message>
        <source>&lt;&amp;H10 Текст&gt; – текст постепенно появится слева;</source>
        <translation>&lt;&amp;H10 Text&gt; – the text is revealed from the left;</translation>
    </message>
    <message>
        <source>&lt;&amp;L10 Текст&gt; – текст постепенно появится сверху;</source>
        <translation>&lt;&amp;L10 Text&gt; – the text is revealed from the top;</translation>
    </message>
    <message>
        <source>&lt;&amp;R10 Текст&gt; – случайный эффект из выше перечисленных.</source>
        <translation>&lt;&amp;R10 Text&gt; – a random one of the effects above.</translation>
    </message>
</context>
<context>
    <name>TextEditorDlg</name>
    <message>
        <source>Текстовый редактор</source>
        <translation>Text Editor</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>%1 - Текстовый редактор</source>
        <translation>%1 - Text Editor</translation>
    </message>
    <message>
        <source>Ошибка сохранения текстового файла!</source>
        <translation>The text file could not be saved.</translation>
    </message>
    <message>
        <source>Текстовый файл был изменен. Сохранить изменения?</source>
        <translation>The text file has been changed. Save the changes?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Редактор маршрутов информационной системы транспорта</source>
        <translation>Route editor for the passenger information system of public transport</translation>
    </message>
    <message>
        <source>Папки маршрутов, каждая в своей вкладке</source>
        <translation>Route folders, each opened in a tab of its own</translation>
    </message>
    <message>
        <source>Не папка: %1</source>
        <translation>Not a folder: %1</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>ContentFolder</name>
    <message>
        <source>no such test folder</source>
        <translation>няма такава папка с тест</translation>
    </message>
    <message>
        <source>not a test folder: give the folder, or the questions.gift inside it</source>
        <translation>това не е папка с тест: посочете папката или файла questions.gift в нея</translation>
    </message>
    <message>
        <source>a symbolic link: a test folder is read from its own files only</source>
        <translation>символна връзка: от папката с тест се четат само нейните собствени файлове</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>файлът липсва</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не е обикновен файл</translation>
    </message>
    <message>
        <source>the file is larger than the limit of %1 bytes</source>
        <translation>файлът е по-голям от границата от %1 байта</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>файлът не може да се прочете: %1</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>текстът не е валиден UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s): the settings file holds exactly %1 rows, one a line</source>
        <translation>
            <numerusform>%n ред: файлът с настройките съдържа точно %1 реда, всеки на отделен ред</numerusform>
            <numerusform>%n реда: файлът с настройките съдържа точно %1 реда, всеки на отделен ред</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a run of this test has %n question(s), the control question included; it needs at least %1</source>
        <translation>
            <numerusform>при провеждане тестът има %n въпрос заедно с контролния; нужни са поне %1</numerusform>
            <numerusform>при провеждане тестът има %n въпроса заедно с контролния; нужни са поне %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a run of this test has %n question(s); it needs at least %1</source>
        <translation>
            <numerusform>при провеждане тестът има %n въпрос; нужни са поне %1</numerusform>
            <numerusform>при провеждане тестът има %n въпроса; нужни са поне %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a run of this test has %n question(s), the control question included; it holds at most %1</source>
        <translation>
            <numerusform>при провеждане тестът има %n въпрос заедно с контролния; може да има най-много %1</numerusform>
            <numerusform>при провеждане тестът има %n въпроса заедно с контролния; може да има най-много %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a run of this test has %n question(s); it holds at most %1</source>
        <translation>
            <numerusform>при провеждане тестът има %n въпрос; може да има най-много %1</numerusform>
            <numerusform>при провеждане тестът има %n въпроса; може да има най-много %1</numerusform>
        </translation>
    </message>
    <message>
        <source>not a folder: pictures holds the question pictures</source>
        <translation>не е папка: в pictures стоят картините на въпросите</translation>
    </message>
    <message>
        <source>a picture for question %1, but the test has questions 1 to %2</source>
        <translation>картина за въпрос %1, а тестът има въпроси от 1 до %2</translation>
    </message>
    <message>
        <source>a second picture for question %1, beside %2</source>
        <translation>втора картина за въпрос %1 освен %2</translation>
    </message>
    <message>
        <source>%1x%2 pixels: the picture is too large; the limit is %3x%3 pixels</source>
        <translation>%1x%2 пиксела: картината е твърде голяма; границата е %3x%3 пиксела</translation>
    </message>
    <message>
        <source>%1x%2 pixels; the picture box shows %3x%4 and clips the rest</source>
        <translation>%1x%2 пиксела; полето за картина показва %3x%4 и изрязва останалото</translation>
    </message>
    <message>
        <source>not a readable JPEG picture</source>
        <translation>не е четима JPEG картина</translation>
    </message>
    <message>
        <source>the consistency switch is %1: the verdict is shown after grading, but only 1 asks the first question again, so it compares nothing; end the row in 1 or 0</source>
        <translation>ключът за проверка на последователността е %1: резултатът от проверката се показва след оценяването, но само при 1 първият въпрос се задава отново, така че няма с какво да се сравни; завършете реда с 1 или 0</translation>
    </message>
    <message>
        <source>phrase mode is on, but the question has no gap _ for the answer: the phrase line puts the chosen answer after the whole question</source>
        <translation>режимът с фраза е включен, но въпросът няма празно място _ за отговора: редът с фразата поставя избрания отговор след целия въпрос</translation>
    </message>
    <message>
        <source>the question text does not fit the question box: the learner has to scroll it</source>
        <translation>текстът на въпроса не се побира в полето за въпроса: ученикът трябва да го превърта</translation>
    </message>
    <message>
        <source>the choice does not fit the narrow fifth answer box, where any choice of a question with five choices may be shown</source>
        <translation>отговорът не се побира в тясното пето поле за отговор, където може да се покаже всеки отговор на въпрос с пет отговора</translation>
    </message>
    <message>
        <source>the choice does not fit its answer box: the learner has to scroll it</source>
        <translation>отговорът не се побира в полето си: ученикът трябва да го превърта</translation>
    </message>
    <message>
        <source>a folder among the pictures: it is not read; a question&apos;s picture stands in pictures itself</source>
        <translation>папка сред картините: не се чете; картината на въпроса стои направо в pictures</translation>
    </message>
    <message>
        <source>not a question picture, and not read: a picture is a JPEG named by its question&apos;s number counted from 1, as in 03.jpg</source>
        <translation>не е картина на въпрос и не се чете: картината е JPEG с името на номера на своя въпрос, броено от 1, например 03.jpg</translation>
    </message>
    <message>
        <source>the picture is cut short: its JPEG data ends before the end of the picture</source>
        <translation>картината е отрязана: данните на JPEG свършват преди края на картината</translation>
    </message>
    <message>
        <source>the picture is damaged and does not decode whole (the decoder says: %1)</source>
        <translation>картината е повредена и не се разчита цялата (декодерът съобщава: %1)</translation>
    </message>
</context>
<context>
    <name>Diagnostic</name>
    <message>
        <source>warning: </source>
        <translation>предупреждение: </translation>
    </message>
</context>
<context>
    <name>GiftReader</name>
    <message>
        <source>no answer block { ... }: only multiple-choice questions are supported</source>
        <translation>няма блок с отговори { ... }: поддържат се само въпроси с избор на отговор</translation>
    </message>
    <message>
        <source>the answer block is not closed with }</source>
        <translation>блокът с отговори не е затворен с }</translation>
    </message>
    <message>
        <source>text after the answer block: a blank line must separate two questions, and missing-word questions are not supported (mark the gap with _ in the question text)</source>
        <translation>текст след блока с отговори: два въпроса се разделят с празен ред, а въпроси с липсваща дума не се поддържат (отбележете празното място с _ в текста на въпроса)</translation>
    </message>
    <message>
        <source>the question has no text</source>
        <translation>въпросът няма текст</translation>
    </message>
    <message>
        <source>the title is not closed with ::</source>
        <translation>заглавието не е затворено с ::</translation>
    </message>
    <message>
        <source>[%1] text is not supported: write the question as plain text</source>
        <translation>текст [%1] не се поддържа: напишете въпроса като обикновен текст</translation>
    </message>
    <message>
        <source>no correct choice: mark the one correct choice with =</source>
        <translation>няма верен отговор: отбележете единствения верен отговор с =</translation>
    </message>
    <message numerus="yes">
        <source>%n choice(s): a question has %1 to %2 choices</source>
        <translation>
            <numerusform>%n отговор: въпросът има от %1 до %2 отговора</numerusform>
            <numerusform>%n отговора: въпросът има от %1 до %2 отговора</numerusform>
        </translation>
    </message>
    <message>
        <source>an empty answer block makes an essay question; only multiple-choice questions are supported</source>
        <translation>празен блок с отговори прави въпроса есе; поддържат се само въпроси с избор на отговор</translation>
    </message>
    <message>
        <source>true/false questions are not supported; write the two choices with = and ~</source>
        <translation>въпроси „вярно/невярно“ не се поддържат; напишете двата отговора с = и ~</translation>
    </message>
    <message>
        <source>numerical questions are not supported; only multiple-choice questions are</source>
        <translation>числови въпроси не се поддържат; поддържат се само въпроси с избор на отговор</translation>
    </message>
    <message>
        <source>a choice starts with = (correct) or ~ (wrong)</source>
        <translation>отговорът започва с = (верен) или ~ (грешен)</translation>
    </message>
    <message>
        <source>matching questions are not supported; only multiple-choice questions are</source>
        <translation>въпроси за съпоставяне не се поддържат; поддържат се само въпроси с избор на отговор</translation>
    </message>
    <message>
        <source>weighted choices (%...%) are not supported: mark the one correct choice with =</source>
        <translation>отговори с тегло (%...%) не се поддържат: отбележете единствения верен отговор с =</translation>
    </message>
    <message>
        <source>feedback on a single choice (#) is not supported: write the explanation after ####</source>
        <translation>коментар към отделен отговор (#) не се поддържа: напишете обяснението след ####</translation>
    </message>
    <message>
        <source>an empty choice</source>
        <translation>празен отговор</translation>
    </message>
    <message>
        <source>a second correct choice (=): a question has exactly one</source>
        <translation>втори верен отговор (=): въпросът има точно един</translation>
    </message>
    <message>
        <source>a wrong choice with the same text as another, on line %1: the learner sees it twice</source>
        <translation>грешен отговор със същия текст като друг, на ред %1: ученикът го вижда два пъти</translation>
    </message>
    <message>
        <source>a wrong choice (~) with the text of the correct choice: the learner cannot tell them apart, and the program would count it as right</source>
        <translation>грешен отговор (~) с текста на верния: ученикът не може да ги различи, а програмата би го приела за верен</translation>
    </message>
</context>
</TS>

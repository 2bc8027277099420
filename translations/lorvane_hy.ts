<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hy">
<context>
    <name>AttemptRecorder</name>
    <message>
        <source>Your result could not be kept in %1 (%2), so it was kept in %3.</source>
        <translation>Ձեր արդյունքը հնարավոր չեղավ պահել %1 թղթապանակում (%2), ուստի այն պահվեց %3 թղթապանակում։</translation>
    </message>
    <message>
        <source>Your result was not kept: %1 could not take it (%2).</source>
        <translation>Ձեր արդյունքը չպահվեց. %1 թղթապանակը չընդունեց այն (%2)։</translation>
    </message>
    <message>
        <source>Your result was not kept: %1 could not take it (%2), nor could %3.</source>
        <translation>Ձեր արդյունքը չպահվեց. այն չընդունեցին ո՛չ %1 թղթապանակը (%2), ո՛չ էլ %3 թղթապանակը։</translation>
    </message>
</context>
<context>
    <name>CoverScreen</name>
    <message>
        <source>Dbl Click and Continue Test</source>
        <translation>Կրկնակի սեղմեք և շարունակեք տեստը</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>OK</source>
        <translation>Լավ</translation>
    </message>
</context>
<context>
    <name>PropertiesPreview</name>
    <message>
        <source>Low contrast: the question and the answers may be hard to read.</source>
        <translation>Ցածր հակադրություն. հարցը և պատասխանները կարող են դժվար ընթեռնելի լինել։</translation>
    </message>
    <message>
        <source>Low contrast: the question may be hard to read.</source>
        <translation>Ցածր հակադրություն. հարցը կարող է դժվար ընթեռնելի լինել։</translation>
    </message>
    <message>
        <source>Low contrast: the answers may be hard to read.</source>
        <translation>Ցածր հակադրություն. պատասխանները կարող են դժվար ընթեռնելի լինել։</translation>
    </message>
</context>
<context>
    <name>QuestionPictureTable</name>
    <message>
        <source>No Preview</source>
        <translation>Նկար չկա</translation>
    </message>
</context>
<context>
    <name>ResultsTemplate</name>
    <message>
        <source>Finish Test. See Your Results</source>
        <translation>Տեստն ավարտվեց։ Տեսեք Ձեր արդյունքները</translation>
    </message>
    <message>
        <source>Lorvane 2004, made by the Lorvane team</source>
        <translation>Lorvane 2004, ստեղծել է Lorvane-ի թիմը</translation>
    </message>
    <message>
        <source>Questions and remarks: lorvane@example.org</source>
        <translation>Հարցեր և դիտողություններ՝ lorvane@example.org</translation>
    </message>
</context>
<context>
    <name>dialogs::frmAbout</name>
    <message>
        <source>About Lorvane 2004</source>
        <translation>Lorvane 2004-ի մասին</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Տեղեկանք</translation>
    </message>
    <message>
        <source>Version 1.13 Build 19</source>
        <translation>Տարբերակ 1.13, կառուցում 19</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Կայք՝</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Կապ՝</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Փակել</translation>
    </message>
</context>
<context>
    <name>dialogs::frmProperties</name>
    <message>
        <source>Question Text Color:</source>
        <translation>Հարցի տեքստը՝</translation>
    </message>
    <message>
        <source>Answer Text Color:</source>
        <translation>Պատասխանի տեքստը՝</translation>
    </message>
    <message>
        <source>Answer Background Color::</source>
        <translation>Պատասխանի ֆոնը՝</translation>
    </message>
    <message>
        <source>Answer Selected Text Color:</source>
        <translation>Ընտրվածի տեքստը՝</translation>
    </message>
    <message>
        <source>Answer Selected Background Color:</source>
        <translation>Ընտրվածի ֆոնը՝</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Կարգավորումներ</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Անուն՝</translation>
    </message>
    <message>
        <source>Pause Time (S)</source>
        <translation>Դադար (վ)</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Տառատեսակ՝</translation>
    </message>
    <message>
        <source>Click here and Reset Color Settings</source>
        <translation>Վերադարձնել սկզբնական գույները</translation>
    </message>
    <message>
        <source>Select below List Test</source>
        <translation>Ընտրեք տեստը ցանկից</translation>
    </message>
    <message>
        <source>Select Color:</source>
        <translation>Ընտրեք գույնը՝</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Սև</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Շագանակագույն</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Կանաչ</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Ձիթապտղագույն</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Մուգ կապույտ</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Մանուշակագույն</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Մուգ փիրուզագույն</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Մոխրագույն</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Արծաթագույն</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Կարմիր</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Բաց կանաչ</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Դեղին</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Կապույտ</translation>
    </message>
    <message>
        <source>Fuschia</source>
        <translation>Ֆուքսիա</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Երկնագույն</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Սպիտակ</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Լավ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Չեղարկել</translation>
    </message>
</context>
<context>
    <name>dialogs::frmSplash</name>
    <message>
        <source>Written by the Lorvane 2004 team</source>
        <translation>Գրել է Lorvane 2004-ի թիմը</translation>
    </message>
    <message>
        <source>Version 1.13.19</source>
        <translation>Տարբերակ 1.13.19</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>The default test file is missing from the program.</source>
        <translation>Ծրագրում բացակայում է լռելյայն տեստի ֆայլը։</translation>
    </message>
    <message>
        <source>Cannot write the test file %1:
%2</source>
        <translation>Հնարավոր չէ գրել տեստի ֆայլը՝ %1։
%2</translation>
    </message>
    <message>
        <source>Test File not found, please reinstall Lorvane 2004 program</source>
        <translation>Տեստի ֆայլը չի գտնվել, խնդրում ենք նորից տեղադրել Lorvane 2004 ծրագիրը</translation>
    </message>
    <message>
        <source>Lorvane Already Running!</source>
        <translation>Lorvane-ն արդեն աշխատում է։</translation>
    </message>
</context>
<context>
    <name>main_window::ScreenReaderNames</name>
    <message>
        <source>Question</source>
        <translation>Հարց</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Պատասխան %1</translation>
    </message>
    <message>
        <source>Space or %1 chooses this answer</source>
        <translation>Բացատը կամ %1-ը ընտրում է այս պատասխանը</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Մնացած վայրկյաններ</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Հարցի համարը</translation>
    </message>
    <message>
        <source>Pause seconds left</source>
        <translation>Դադարի մնացած վայրկյաններ</translation>
    </message>
    <message>
        <source>Lorvane 2004</source>
        <translation>Lorvane 2004</translation>
    </message>
    <message>
        <source>File, Start begins a test of thirty questions</source>
        <translation>Ֆայլ, Սկսել՝ սկսում է երեսուն հարցից բաղկացած տեստ</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Արդյունքներ</translation>
    </message>
    <message>
        <source>Question %1 of 30</source>
        <translation>Հարց %1՝ 30-ից</translation>
    </message>
    <message>
        <source>60 seconds left</source>
        <translation>Մնաց 60 վայրկյան</translation>
    </message>
    <message>
        <source>10 seconds left</source>
        <translation>Մնաց 10 վայրկյան</translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>Ժամանակը սպառվեց</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>Մնաց %1 վայրկյան</translation>
    </message>
    <message>
        <source>%1 seconds of pause left</source>
        <translation>Դադարից մնաց %1 վայրկյան</translation>
    </message>
</context>
<context>
    <name>main_window::frmMain</name>
    <message>
        <source>Start</source>
        <translation>Սկսել</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Հաջորդը</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ընդհատել</translation>
    </message>
    <message>
        <source>Pouse</source>
        <translation>Դադար</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Շարունակել</translation>
    </message>
    <message>
        <source>CORRECT ANSWER:</source>
        <translation>ՃԻՇՏ ՊԱՏԱՍԽԱՆ՝</translation>
    </message>
    <message>
        <source>WRONG ANSWER DUDE.</source>
        <translation>ՍԽԱԼ Է, ԸՆԿԵՐՍ։</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ավարտել</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Ֆայլ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Ելք (&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Ընտրանքներ (&amp;O)</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>Կարգավորել (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>menu</comment>
        <translation>Մասին (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>item</comment>
        <translation>Ծրագրի մասին (&amp;A)</translation>
    </message>
    <message>
        <source>Start a test</source>
        <translation>Սկսել տեստը</translation>
    </message>
    <message>
        <source>Stop the test</source>
        <translation>Ընդհատել տեստը</translation>
    </message>
    <message>
        <source>Pause the test</source>
        <translation>Դադար տալ տեստին</translation>
    </message>
    <message>
        <source>Resume the test</source>
        <translation>Շարունակել տեստը</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ելք</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Կարգավորումներ</translation>
    </message>
    <message>
        <source>About Lorvane 2004</source>
        <translation>Lorvane 2004-ի մասին</translation>
    </message>
    <message>
        <source>Question Picture Preview</source>
        <translation>Հարցի նկարի նախադիտում</translation>
    </message>
</context>
</TS>

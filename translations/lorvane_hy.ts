<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hy">
<context>
    <name>AikenImport</name>
    <message>
        <source>the question has no &quot;ANSWER:&quot; line</source>
        <translation>հարցը &quot;ANSWER:&quot; տող չունի</translation>
    </message>
    <message>
        <source>left out: no answers follow this text before the blank line (a question is the text right before its answers)</source>
        <translation>բաց թողնվեց. այս տեքստից հետո՝ մինչև դատարկ տողը, պատասխաններ չկան (հարցն այն տեքստն է, որն անմիջապես նախորդում է իր պատասխաններին)</translation>
    </message>
    <message>
        <source>expected an answer like &quot;C) text&quot; or the line &quot;ANSWER: C&quot;</source>
        <translation>սպասվում էր &quot;C) տեքստ&quot; տեսքի պատասխան կամ &quot;ANSWER: C&quot; տողը</translation>
    </message>
    <message>
        <source>an &quot;ANSWER:&quot; line with no question and answers before it</source>
        <translation>&quot;ANSWER:&quot; տող, որից առաջ ոչ հարց կա, ոչ պատասխաններ</translation>
    </message>
    <message>
        <source>the answers mix Latin and Armenian letters: label them A to D or Ա to Դ</source>
        <translation>պատասխաններում լատինական և հայկական տառերը խառնված են. նշեք դրանք A-ից D կամ Ա-ից Դ տառերով</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; names a Latin letter where the answers have Armenian ones</source>
        <translation>&quot;ANSWER:&quot;-ը նշում է լատինական տառ, մինչդեռ պատասխաններն ունեն հայկական տառեր</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; names an Armenian letter where the answers have Latin ones</source>
        <translation>&quot;ANSWER:&quot;-ը նշում է հայկական տառ, մինչդեռ պատասխաններն ունեն լատինական տառեր</translation>
    </message>
    <message>
        <source>several right answers</source>
        <translation>մի քանի ճիշտ պատասխան</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; must name the letter of one answer</source>
        <translation>&quot;ANSWER:&quot;-ը պետք է նշի մեկ պատասխանի տառը</translation>
    </message>
    <message>
        <source>the question has no answers before its &quot;ANSWER:&quot; line</source>
        <translation>հարցն իր &quot;ANSWER:&quot; տողից առաջ պատասխաններ չունի</translation>
    </message>
    <message>
        <source>no answer has the letter %1</source>
        <translation>%1 տառով պատասխան չկա</translation>
    </message>
    <message>
        <source>%1 answers, where a record has four</source>
        <translation>%1 պատասխան, մինչդեռ գրառումը չորս պատասխան ունի</translation>
    </message>
</context>
<context>
    <name>AttemptRecorder</name>
    <message>
        <source>Your result could not be kept in %1 (%2), so it was kept in %3.</source>
        <translation>Ձեր արդյունքը հնարավոր չեղավ պահել %1 թղթապանակում (%2), ուստի այն պահվեց %3 ֆայլում։</translation>
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
    <name>BankCheck</name>
    <message>
        <source>the file is empty</source>
        <translation>ֆայլը դատարկ է</translation>
    </message>
    <message>
        <source>the file does not begin with &quot;.: the first question&apos;s text must begin with a full stop, or the program takes the file for a foreign one</source>
        <translation>ֆայլը չի սկսվում &quot;.-ով. առաջին հարցի տեքստը պետք է սկսվի վերջակետով (.), այլապես ծրագիրը ֆայլը համարում է օտար</translation>
    </message>
    <message>
        <source>the file is not a test file at all: it holds control bytes that no text has (is it a picture, a document, a program?)</source>
        <translation>ֆայլն ընդհանրապես տեստի ֆայլ չէ. այն պարունակում է կառավարման բայթեր, որոնք տեքստում չեն լինում (գուցե դա նկա՞ր է, փաստաթո՞ւղթ, ծրագի՞ր)</translation>
    </message>
    <message>
        <source>only %1: a test needs thirty different questions and one record more</source>
        <translation>ընդամենը %1. տեստին պետք է երեսուն տարբեր հարց և ևս մեկ գրառում</translation>
    </message>
    <message>
        <source>%1 (a record above is short of a field or has a stray quote)</source>
        <translation>%1 (վերևի գրառումներից մեկում դաշտ է պակասում կամ ավելորդ չակերտ կա)</translation>
    </message>
    <message>
        <source>answer %1 repeats answer %2</source>
        <translation>№%1 պատասխանը կրկնում է №%2 պատասխանը</translation>
    </message>
    <message>
        <source>the right answer %1 is none of 1 to 4: no answer counts as right</source>
        <translation>ճիշտ պատասխանը՝ %1, 1-ից 4 թվերից ոչ մեկը չէ. ոչ մի պատասխան ճիշտ չի համարվում</translation>
    </message>
    <message>
        <source>the question repeats record %1</source>
        <translation>հարցը կրկնում է №%1 գրառումը</translation>
    </message>
    <message>
        <source>empty text</source>
        <translation>դատարկ տեքստ</translation>
    </message>
    <message>
        <source>%1: the box shows about %2 at the design size</source>
        <translation>%1. նախատեսված չափով դաշտը ցույց է տալիս մոտ %2 նիշ</translation>
    </message>
    <message>
        <source>byte 0x%1 stands for no character; the program shows a box</source>
        <translation>0x%1 բայթը ոչ մի նիշի չի համապատասխանում. ծրագիրը ցույց է տալիս քառակուսի</translation>
    </message>
    <message>
        <source>none</source>
        <translation>չկան</translation>
    </message>
    <message>
        <source>right answers: 1: %1, 2: %2, 3: %3, 4: %4
</source>
        <translation>ճիշտ պատասխաններ՝ 1: %1, 2: %2, 3: %3, 4: %4
</translation>
    </message>
    <message>
        <source>records with a picture: %1
</source>
        <translation>նկարով գրառումներ՝ %1
</translation>
    </message>
    <message>
        <source>%1: %2 read before the first error
</source>
        <translation>%1: առաջին սխալից առաջ կարդացվեց %2
</translation>
    </message>
    <message>
        <source>%1, %2
</source>
        <translation>%1, %2
</translation>
    </message>
    <message>
        <source>the program starts normally with %1
</source>
        <translation>ծրագիրը բնականոն մեկնարկում է %1
</translation>
    </message>
    <message>
        <source>the program ends silently with %1 (foreign signature)
</source>
        <translation>ծրագիրը լուռ ավարտվում է %1 (օտար ստորագրություն)
</translation>
    </message>
    <message>
        <source>the program shows &quot;%1&quot; and ends
</source>
        <translation>ծրագիրը ցույց է տալիս «%1» և ավարտվում է
</translation>
    </message>
    <message>
        <source>this file</source>
        <extracomment>What the program starts or ends &quot;with&quot;; it takes the case that goes with that.</extracomment>
        <translation>այս ֆայլով</translation>
    </message>
    <message>
        <source>%1: %2, %3
encode writes no test file from it
</source>
        <translation>%1: %2, %3
encode-ը դրանից տեստի ֆայլ չի գրում
</translation>
    </message>
    <message>
        <source>the test file encode writes from it</source>
        <extracomment>What the program starts or ends &quot;with&quot;; it takes the case that goes with that.</extracomment>
        <translation>այն տեստի ֆայլով, որը encode-ը գրում է դրանից</translation>
    </message>
</context>
<context>
    <name>BankCommand</name>
    <message>
        <source>Checks, converts, imports and installs Lorvane test files.

Commands:
  check FILE.lvq|SRC.txt       report every problem and what the program would do
  decode FILE.lvq OUT.txt      write the readable UTF-8 source of a test file
  encode SRC.txt OUT.lvq       write a test file from its readable source
  import --from aiken|gift IN OUT.lvq
                               write a test file from Moodle&apos;s Aiken or GIFT format
  export --to aiken|gift FILE.lvq OUT
                               write the questions of a test file in Aiken or GIFT
  install FILE.lvq [--pictures LIST.txt]
                               check the file, then put it where the program reads it
  restore [N | --default]      list the tests install replaced, or put one back
  where                        print where the program reads its test file
  sheet FILE.lvq OUT.pdf|.png  render a review sheet with the right answers marked
  report RESULTS... -o OUT.html|.pdf|.csv
                               the class report of attempt files and folders
  review ATTEMPT.json OUT.pdf|.png
                               one attempt&apos;s questions, the chosen and right answers marked</source>
        <extracomment>The command names, option names and the names in capitals (FILE.lvq, OUT ...) stay as they are.</extracomment>
        <translation>Ստուգում, փոխարկում, ներմուծում և տեղադրում է Lorvane-ի տեստի ֆայլերը։

Հրամաններ՝
  check FILE.lvq|SRC.txt       նշել բոլոր խնդիրները և այն, ինչ կաներ ծրագիրը
  decode FILE.lvq OUT.txt      գրել տեստի ֆայլի ընթեռնելի UTF-8 աղբյուրը
  encode SRC.txt OUT.lvq       գրել տեստի ֆայլ նրա ընթեռնելի աղբյուրից
  import --from aiken|gift IN OUT.lvq
                               գրել տեստի ֆայլ Moodle-ի Aiken կամ GIFT ձևաչափից
  export --to aiken|gift FILE.lvq OUT
                               գրել տեստի ֆայլի հարցերը Aiken կամ GIFT ձևաչափով
  install FILE.lvq [--pictures LIST.txt]
                               ստուգել ֆայլը, ապա դնել այնտեղ, որտեղից ծրագիրն այն կարդում է
  restore [N | --default]      ցույց տալ install-ի փոխարինած տեստերը կամ վերադարձնել դրանցից մեկը
  where                        տպել, թե որտեղից է ծրագիրը կարդում իր տեստի ֆայլը
  sheet FILE.lvq OUT.pdf|.png  ստեղծել ստուգման թերթ՝ ճիշտ պատասխանների նշումով
  report RESULTS... -o OUT.html|.pdf|.csv
                               դասարանի հաշվետվություն փորձերի ֆայլերից և թղթապանակներից
  review ATTEMPT.json OUT.pdf|.png
                               մեկ փորձի հարցերը՝ ընտրված և ճիշտ պատասխանների նշումով</translation>
    </message>
    <message>
        <source>the format, aiken or gift.</source>
        <translation>ձևաչափը՝ aiken կամ gift։</translation>
    </message>
    <message>
        <source>leave out the questions that cannot become a record.</source>
        <translation>բաց թողնել այն հարցերը, որոնցից գրառում չի ստացվում։</translation>
    </message>
    <message>
        <source>put a full stop in front of the first question.</source>
        <translation>առաջին հարցի սկզբում դնել վերջակետ (.)։</translation>
    </message>
    <message>
        <source>only the first N questions.</source>
        <translation>միայն առաջին N հարցը։</translation>
    </message>
    <message>
        <source>N questions drawn at random, in the order of the bank.</source>
        <translation>պատահականորեն ընտրված N հարց՝ տեստի ֆայլի հերթականությամբ։</translation>
    </message>
    <message>
        <source>spread the right answers evenly over 1 to 4; --shuffle-answers=SEED repeats a shuffle.</source>
        <translation>ճիշտ պատասխանները հավասարաչափ բաշխել 1-ից 4 համարների վրա. --shuffle-answers=SEED-ը կրկնում է խառնումը։</translation>
    </message>
    <message>
        <source>write curly quotes and apostrophes, en dashes and other marks of word processors as the test file can hold them.</source>
        <translation>տեքստային խմբագրիչների ոլորուն չակերտները, ապաթարցերը, միջին գծիկները և այլ նշանները գրել այնպես, ինչպես տեստի ֆայլը կարող է դրանք պահել։</translation>
    </message>
    <message>
        <source>only N random records.</source>
        <translation>միայն N պատահական գրառում։</translation>
    </message>
    <message>
        <source>a test to print, the right answers unmarked.</source>
        <translation>տպելու տեստ՝ առանց ճիշտ պատասխանների նշման։</translation>
    </message>
    <message>
        <source>the answer key alone.</source>
        <translation>միայն պատասխանների բանալին։</translation>
    </message>
    <message>
        <source>the seed of --sample or --random, to draw the same again.</source>
        <translation>--sample-ի կամ --random-ի սերմը՝ նույն ընտրությունը կրկնելու համար։</translation>
    </message>
    <message>
        <source>install a file the program cannot run a whole test with.</source>
        <translation>տեղադրել ֆայլ, որով ծրագիրը չի կարող ամբողջ տեստ անցկացնել։</translation>
    </message>
    <message>
        <source>the questions&apos; pictures, lines RECORD: FILE or RECORD: carried N.</source>
        <translation>հարցերի նկարները՝ RECORD: FILE կամ RECORD: carried N տողերով։</translation>
    </message>
    <message>
        <source>put back the test carried in the program.</source>
        <translation>վերադարձնել ծրագրի հետ տրվող տեստը։</translation>
    </message>
    <message>
        <source>the report to write, .html, .pdf or .csv.</source>
        <translation>գրվող հաշվետվությունը՝ .html, .pdf կամ .csv։</translation>
    </message>
    <message>
        <source>the test file the attempts were taken with.</source>
        <translation>տեստի ֆայլը, որով արվել են փորձերը։</translation>
    </message>
    <message>
        <source>only the attempts that ended on that day or later.</source>
        <translation>միայն այն փորձերը, որոնք ավարտվել են այդ օրը կամ ավելի ուշ։</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Ցույց է տալիս այս օգնությունը։</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Ցույց է տալիս տարբերակը։</translation>
    </message>
    <message>
        <source>check, decode, encode, import, export, install, restore, where, sheet, report or review</source>
        <translation>check, decode, encode, import, export, install, restore, where, sheet, report կամ review</translation>
    </message>
    <message>
        <source>the files the command reads and writes</source>
        <translation>այն ֆայլերը, որոնք հրամանը կարդում և գրում է</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>հրաման տրված չէ</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>անհայտ հրաման՝ «%1»</translation>
    </message>
    <message>
        <source>--%1 does not go with %2</source>
        <translation>--%1-ը չի օգտագործվում %2-ի հետ</translation>
    </message>
    <message>
        <source>%1 takes one or more file names</source>
        <translation>%1-ին պետք է մեկ կամ ավելի ֆայլի անուն</translation>
    </message>
    <message>
        <source>%1 takes one argument at most</source>
        <translation>%1-ն ընդունում է առավելագույնը մեկ արգումենտ</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1-ին պետք է %2</translation>
    </message>
    <message>
        <source>%1 would write over %2, the file it reads</source>
        <translation>%1-ը կվրագրեր %2-ը՝ այն ֆայլը, որը կարդում է</translation>
    </message>
    <message>
        <source>%1 is no name for what %2 writes: give it the ending .%3</source>
        <translation>%1-ը հարմար անուն չէ %2-ի գրածի համար. տվեք .%3 վերջավորությունը</translation>
    </message>
    <message>
        <source>encode writes the file differently from here on</source>
        <translation>այստեղից սկսած encode-ը ֆայլն այլ կերպ է գրում</translation>
    </message>
    <message>
        <source>import needs --from aiken or --from gift</source>
        <translation>import-ին պետք է --from aiken կամ --from gift</translation>
    </message>
    <message>
        <source>%1 (skipped)</source>
        <translation>%1 (բաց թողնվեց)</translation>
    </message>
    <message>
        <source>no question to make a record of</source>
        <translation>չկա հարց, որից գրառում ստացվի</translation>
    </message>
    <message>
        <source>nothing written; --skip-unsupported leaves those questions out</source>
        <translation>ոչինչ չգրվեց. --skip-unsupported-ը բաց է թողնում այդ հարցերը</translation>
    </message>
    <message>
        <source>--take and --random each choose the questions: give one</source>
        <translation>--take-ն ու --random-ը երկուսն էլ հարցեր են ընտրում. տվեք դրանցից մեկը</translation>
    </message>
    <message>
        <source>a seed is a whole number from 0 to 4294967295</source>
        <translation>սերմը 0-ից մինչև 4294967295 ամբողջ թիվ է</translation>
    </message>
    <message>
        <source>--%1 takes a number of questions</source>
        <translation>--%1-ին պետք է հարցերի քանակը</translation>
    </message>
    <message>
        <source>%1, fewer than the %2 to take</source>
        <extracomment>&quot;5 questions, fewer than the 10 to take&quot;: the questions there are, and the number asked for.</extracomment>
        <translation>%1, ավելի քիչ, քան վերցվելիք %2-ը</translation>
    </message>
    <message>
        <source>%1 drawn with --seed %2</source>
        <extracomment>&quot;3 questions drawn with --seed 42&quot;.</extracomment>
        <translation>ընտրվեց %1՝ --seed %2-ով</translation>
    </message>
    <message>
        <source>answers shuffled with --shuffle-answers=%1</source>
        <translation>պատասխանները խառնվեցին --shuffle-answers=%1-ով</translation>
    </message>
    <message>
        <source>export needs --to aiken or --to gift</source>
        <translation>export-ին պետք է --to aiken կամ --to gift</translation>
    </message>
    <message>
        <source>%1 is no name for what export writes: give it the ending .txt or .gift</source>
        <translation>%1-ը հարմար անուն չէ export-ի գրածի համար. տվեք .txt կամ .gift վերջավորությունը</translation>
    </message>
    <message>
        <source>nothing written: no record can be exported</source>
        <translation>ոչինչ չգրվեց. ոչ մի գրառում հնարավոր չէ արտահանել</translation>
    </message>
    <message>
        <source>restore takes the number of a backup, or --default</source>
        <translation>restore-ին պետք է պահուստային պատճենի համարը կամ --default</translation>
    </message>
    <message>
        <source>--sample takes a number of records, --seed a whole number</source>
        <translation>--sample-ին պետք է գրառումների քանակը, --seed-ին՝ ամբողջ թիվ</translation>
    </message>
    <message>
        <source>--no-answers makes the test, --key its key: give one</source>
        <translation>--no-answers-ը ստեղծում է տեստը, --key-ը՝ դրա բանալին. տվեք դրանցից մեկը</translation>
    </message>
    <message>
        <source>the sheet is written as .pdf or .png</source>
        <translation>թերթը գրվում է .pdf կամ .png ձևաչափով</translation>
    </message>
    <message>
        <source>the sheet needs the graphics library</source>
        <translation>թերթի համար անհրաժեշտ է գրաֆիկական գրադարանը</translation>
    </message>
    <message>
        <source>sample drawn with --seed %1</source>
        <translation>նմուշն ընտրվեց --seed %1-ով</translation>
    </message>
    <message>
        <source>report writes -o OUT.html, OUT.pdf or OUT.csv</source>
        <translation>report-ը գրում է -o OUT.html, OUT.pdf կամ OUT.csv</translation>
    </message>
    <message>
        <source>--since takes a date, YYYY-MM-DD</source>
        <translation>--since-ին պետք է ամսաթիվ՝ YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the report needs the graphics library</source>
        <translation>հաշվետվության համար անհրաժեշտ է գրաֆիկական գրադարանը</translation>
    </message>
    <message>
        <source>%1, and %2 of another test file left out</source>
        <translation>%1, իսկ այլ տեստի ֆայլով արված %2 բաց թողնվեց</translation>
    </message>
    <message>
        <source>the review is written as .pdf or .png</source>
        <translation>ստուգման թերթը գրվում է .pdf կամ .png ձևաչափով</translation>
    </message>
    <message>
        <source>the review needs the graphics library</source>
        <translation>ստուգման թերթի համար անհրաժեշտ է գրաֆիկական գրադարանը</translation>
    </message>
    <message>
        <source>the installed one</source>
        <translation>տեղադրվածը</translation>
    </message>
    <message>
        <source>taken with another test file (%1) than %2; give it with --test</source>
        <translation>արվել է այլ տեստի ֆայլով (%1), քան %2. տվեք այն --test-ով</translation>
    </message>
    <message>
        <source>record %1 is not in the test file</source>
        <translation>№%1 գրառումը տեստի ֆայլում չկա</translation>
    </message>
    <message>
        <source>%1 (see lorvane-bank --help)</source>
        <translation>%1 (տե՛ս lorvane-bank --help)</translation>
    </message>
    <message>
        <source>%1 not shown</source>
        <extracomment>&quot;5 more errors not shown&quot;.</extracomment>
        <translation>%1 ցույց չտրվեց</translation>
    </message>
    <message>
        <source>format</source>
        <translation>ձևաչափ</translation>
    </message>
    <message>
        <source>number</source>
        <translation>թիվ</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ֆայլ</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>The names of the arguments in the help&apos;s usage line.</extracomment>
        <translation>հրաման</translation>
    </message>
    <message>
        <source>files</source>
        <translation>ֆայլեր</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[ֆայլեր...]</translation>
    </message>
</context>
<context>
    <name>Counted</name>
    <message>
        <source>record</source>
        <extracomment>A noun counted after a number (&quot;1 record&quot;); Armenian takes the singular after every number.</extracomment>
        <translation>գրառում</translation>
    </message>
    <message>
        <source>records</source>
        <translation>գրառում</translation>
    </message>
    <message>
        <source>question</source>
        <translation>հարց</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>հարց</translation>
    </message>
    <message>
        <source>character</source>
        <translation>նիշ</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>նիշ</translation>
    </message>
    <message>
        <source>error</source>
        <translation>սխալ</translation>
    </message>
    <message>
        <source>errors</source>
        <translation>սխալ</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>զգուշացում</translation>
    </message>
    <message>
        <source>warnings</source>
        <translation>զգուշացում</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>ֆայլի անուն</translation>
    </message>
    <message>
        <source>file names</source>
        <translation>ֆայլի անուն</translation>
    </message>
    <message>
        <source>attempt</source>
        <translation>փորձ</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>փորձ</translation>
    </message>
    <message>
        <source>more error</source>
        <translation>այլ սխալ</translation>
    </message>
    <message>
        <source>more errors</source>
        <translation>այլ սխալ</translation>
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
    <name>GiftImport</name>
    <message>
        <source>the title has no closing &quot;::&quot;</source>
        <translation>վերնագիրը փակող &quot;::&quot; չունի</translation>
    </message>
    <message>
        <source>a description without answers</source>
        <translation>նկարագրություն առանց պատասխանների</translation>
    </message>
    <message>
        <source>the answers have no closing &quot;}&quot;</source>
        <translation>պատասխանները փակող &quot;}&quot; չունեն</translation>
    </message>
    <message>
        <source>no blank line before this question: it is read as a question of its own</source>
        <translation>այս հարցից առաջ դատարկ տող չկա. այն կարդացվում է որպես առանձին հարց</translation>
    </message>
    <message>
        <source>an essay question</source>
        <translation>շարադրության հարց</translation>
    </message>
    <message>
        <source>a numerical question</source>
        <translation>թվային հարց</translation>
    </message>
    <message>
        <source>a true-false question</source>
        <translation>«ճիշտ է/սխալ է» հարց</translation>
    </message>
    <message>
        <source>expected &quot;=&quot; or &quot;~&quot; before each answer</source>
        <translation>յուրաքանչյուր պատասխանից առաջ սպասվում էր &quot;=&quot; կամ &quot;~&quot;</translation>
    </message>
    <message>
        <source>a matching question</source>
        <translation>համապատասխանեցման հարց</translation>
    </message>
    <message>
        <source>a short-answer question</source>
        <translation>կարճ պատասխանով հարց</translation>
    </message>
    <message>
        <source>%1 answers, where a record has four (an &quot;=&quot; or &quot;~&quot; that belongs to a text is written \= or \~)</source>
        <translation>%1 պատասխան, մինչդեռ գրառումը չորս պատասխան ունի (տեքստին պատկանող &quot;=&quot; կամ &quot;~&quot; նշանը գրվում է \= կամ \~)</translation>
    </message>
    <message>
        <source>%1 answers, where a record has four</source>
        <translation>%1 պատասխան, մինչդեռ գրառումը չորս պատասխան ունի</translation>
    </message>
    <message>
        <source>several right answers</source>
        <translation>մի քանի ճիշտ պատասխան</translation>
    </message>
    <message>
        <source>no right answer</source>
        <translation>ճիշտ պատասխան չկա</translation>
    </message>
    <message>
        <source>partial credit for the only right answer</source>
        <translation>մասնակի միավոր միակ ճիշտ պատասխանի համար</translation>
    </message>
</context>
<context>
    <name>HtmlText</name>
    <message>
        <source>a picture (&lt;img&gt;) cannot be carried into the test file: it is left out</source>
        <translation>նկարը (&lt;img&gt;) հնարավոր չէ տեղափոխել տեստի ֆայլ. այն բաց է թողնվում</translation>
    </message>
    <message>
        <source>a table cannot be carried into the test file: its cells run on as text</source>
        <translation>աղյուսակը հնարավոր չէ տեղափոխել տեստի ֆայլ. նրա բջիջների տեքստը գրվում է իրար հետևից</translation>
    </message>
    <message>
        <source>&lt;%1&gt; cannot be carried into the test file: its text runs on in line</source>
        <translation>&lt;%1&gt;-ը հնարավոր չէ տեղափոխել տեստի ֆայլ. նրա տեքստը շարունակվում է նույն տողում</translation>
    </message>
    <message>
        <source>&lt;%1&gt; cannot be carried into the test file: it is left out</source>
        <translation>&lt;%1&gt;-ը հնարավոր չէ տեղափոխել տեստի ֆայլ. այն բաց է թողնվում</translation>
    </message>
</context>
<context>
    <name>ImportResult</name>
    <message>
        <source>this question cannot become a record: %1</source>
        <translation>այս հարցից գրառում չի ստացվում. %1</translation>
    </message>
</context>
<context>
    <name>MoodleExport</name>
    <message>
        <source>%1: the record is left out</source>
        <translation>%1. գրառումը բաց է թողնվում</translation>
    </message>
    <message>
        <source>the right answer %1 is none of 1 to 4</source>
        <translation>ճիշտ պատասխանը՝ %1, 1-ից 4 թվերից ոչ մեկը չէ</translation>
    </message>
    <message>
        <source>empty text</source>
        <translation>դատարկ տեքստ</translation>
    </message>
    <message>
        <source>byte 0x%1 stands for no character</source>
        <translation>0x%1 բայթը ոչ մի նիշի չի համապատասխանում</translation>
    </message>
    <message>
        <source>Aiken reads a question that begins with &quot;ANSWER&quot; as the line of the right answer</source>
        <translation>Aiken-ը &quot;ANSWER&quot;-ով սկսվող հարցը կարդում է որպես ճիշտ պատասխանի տող</translation>
    </message>
    <message>
        <source>GIFT reads an answer with &quot;-&gt;&quot; as a pair of a matching question</source>
        <translation>GIFT-ը &quot;-&gt;&quot; պարունակող պատասխանը կարդում է որպես համապատասխանեցման հարցի զույգ</translation>
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
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Օգտագործում՝ %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Ընտրանքներ՝</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Արգումենտներ՝</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ընտրանքներ]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Անհայտ ընտրանք՝ «%1»։</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Անհայտ ընտրանքներ՝ %1։</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>«%1»-ից հետո արժեք չկա։</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>«%1»-ից հետո անսպասելի արժեք։</translation>
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
    <name>ReportWriter</name>
    <message>
        <source>%1 s at question %2</source>
        <extracomment>A pause of so many seconds, and the question it was taken at.</extracomment>
        <translation>%1 վ՝ №%2 հարցում</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ոչ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Անուն</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Համակարգիչ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ամսաթիվ</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Ճիշտ</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Սխալ</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Ժամանակի սպառումներ</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Րոպե</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Դադար</translation>
    </message>
    <message>
        <source>A question is judged only once it was shown at least %1 times: with fewer, one answer more or less moves its share of right answers by ten points or more, and its discrimination is mostly chance.</source>
        <translation>Հարցը գնահատվում է միայն այն բանից հետո, երբ այն ցույց է տրվել առնվազն %1 անգամ. ավելի քիչ դեպքում ընդամենը մեկ պատասխանի տարբերությունը նրա ճիշտ պատասխանների բաժինը փոխում է տասը և ավելի տոկոսային կետով, իսկ տարբերակման ցուցիչը հիմնականում պատահականության արդյունք է։</translation>
    </message>
    <message>
        <source>Facility: the share answered right. Discrimination: the correlation of a right answer to the question with the attempt&apos;s other right answers (from −1 to 1; higher separates the stronger students from the weaker better).</source>
        <translation>Հեշտություն՝ ճիշտ պատասխանների բաժինը։ Տարբերակում՝ հարցի ճիշտ պատասխանի հարաբերակցությունը նույն փորձի մյուս ճիշտ պատասխանների հետ (−1-ից մինչև 1. որքան բարձր է, այնքան ավելի լավ է տարբերում ուժեղ աշակերտներին թույլերից)։</translation>
    </message>
    <message>
        <source>%1 attempts were taken with another test file and are left out of every figure above.</source>
        <translation>%1 փորձ արվել է այլ տեստի ֆայլով և չի մտնում վերևի թվերից ոչ մեկի մեջ։</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Փորձեր</translation>
    </message>
    <message>
        <source>Right answers, mean</source>
        <translation>Ճիշտ պատասխաններ, միջինը</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Մեդիան</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Ստանդարտ շեղում</translation>
    </message>
    <message>
        <source>Lowest – highest</source>
        <translation>Նվազագույն – առավելագույն</translation>
    </message>
    <message>
        <source>%1: %2 (right)</source>
        <extracomment>An answer&apos;s number and how many chose it, the right answer marked.</extracomment>
        <translation>%1: %2 (ճիշտ)</translation>
    </message>
    <message>
        <source>Record %1: shown %2, facility %3, discrimination %4; chosen %5; time-outs %6; median %7 s</source>
        <translation>№%1 գրառում. ցույց է տրվել %2 անգամ, հեշտություն՝ %3, տարբերակում՝ %4. ընտրվել են՝ %5. ժամանակի սպառումներ՝ %6. մեդիան՝ %7 վ</translation>
    </message>
    <message>
        <source>Test file %1 (SHA-256 %2…): %3 attempts.</source>
        <translation>Տեստի ֆայլ՝ %1 (SHA-256 %2…). %3 փորձ։</translation>
    </message>
    <message>
        <source>Test file %1 (SHA-256 %2…): %3 attempts, from %4 to %5.</source>
        <translation>Տեստի ֆայլ՝ %1 (SHA-256 %2…). %3 փորձ՝ %4-ից մինչև %5։</translation>
    </message>
    <message>
        <source>The questions&apos; texts are not shown: give the test file with --test.</source>
        <translation>Հարցերի տեքստերը ցույց չեն տրված. տվեք տեստի ֆայլը --test-ով։</translation>
    </message>
    <message>
        <source>%1 copies of attempts already read were counted once.</source>
        <translation>Արդեն կարդացված փորձերի %1 պատճեն հաշվվեց մեկ անգամ։</translation>
    </message>
    <message>
        <source>%1 earlier attempts were left out.</source>
        <translation>Ավելի վաղ արված %1 փորձ բաց թողնվեց։</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the report&apos;s own texts, &quot;hy&quot; in Armenian.</extracomment>
        <translation>hy</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Դասարանի հաշվետվություն</translation>
    </message>
    <message>
        <source>Files left out</source>
        <translation>Բաց թողնված ֆայլեր</translation>
    </message>
    <message>
        <source>Attempts with another test file</source>
        <translation>Այլ տեստի ֆայլով արված փորձեր</translation>
    </message>
    <message>
        <source>Questions to look at</source>
        <translation>Ուշադրության արժանի հարցեր</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Չկան։</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Գրառում</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Հարց</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Պատճառ</translation>
    </message>
    <message>
        <source>The class at a glance</source>
        <translation>Դասարանը մեկ հայացքով</translation>
    </message>
    <message>
        <source>How many attempts had each number of right answers</source>
        <translation>Փորձերի բաշխումն ըստ ճիշտ պատասխանների քանակի</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Հարցեր</translation>
    </message>
    <message>
        <source>The right answer&apos;s count is in bold.</source>
        <translation>Ճիշտ պատասխանն ընտրածների թիվը գրված է թավ տառերով։</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Ցույց է տրվել</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Հեշտություն</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Տարբերակում</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Մեդիան, վ</translation>
    </message>
    <message>
        <source>Name,Machine,Started,Ended,Right,Wrong,Time-outs,Minutes,Pause used,Pause seconds,Test file,Counted</source>
        <extracomment>The CSV file&apos;s column names: keep the commas between them and put none inside a name.</extracomment>
        <translation>Անուն,Համակարգիչ,Սկիզբ,Ավարտ,Ճիշտ,Սխալ,Ժամանակի սպառումներ,Րոպե,Դադար օգտագործվել է,Դադարի վայրկյաններ,Տեստի ֆայլ,Հաշվվել է</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>այո</translation>
    </message>
    <message>
        <source>no, another test file</source>
        <translation>ոչ, այլ տեստի ֆայլ</translation>
    </message>
    <message>
        <source>right answers (of 30), attempts per number</source>
        <translation>ճիշտ պատասխաններ (30-ից), փորձեր ըստ քանակի</translation>
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
    <name>ReviewSheet</name>
    <message>
        <source>Question %1</source>
        <translation>Հարց %1</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Գրառում %1</translation>
    </message>
    <message>
        <source>Record %1, picture %2</source>
        <translation>Գրառում %1, նկար %2</translation>
    </message>
    <message>
        <source>Question %1, record %2: time ran out</source>
        <translation>Հարց %1, գրառում %2. ժամանակը սպառվեց</translation>
    </message>
    <message>
        <source>Question %1, record %2</source>
        <translation>Հարց %1, գրառում %2</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Պատասխանների բանալի</translation>
    </message>
    <message>
        <source>%1. answer %2  (record %3)</source>
        <translation>%1. պատասխան %2  (գրառում %3)</translation>
    </message>
    <message>
        <source>Review sheet</source>
        <translation>Ստուգման թերթ</translation>
    </message>
    <message>
        <source>too many records for one image; write a .pdf or take a --sample</source>
        <translation>գրառումները չափազանց շատ են մեկ պատկերի համար. գրեք .pdf կամ օգտագործեք --sample</translation>
    </message>
    <message>
        <source>the image cannot be encoded</source>
        <translation>պատկերը հնարավոր չէ կոդավորել</translation>
    </message>
</context>
<context>
    <name>TestBackups</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>թղթապանակը հնարավոր չէ ստեղծել</translation>
    </message>
</context>
<context>
    <name>TestInstaller</name>
    <message>
        <source>there is no picture file %1</source>
        <translation>%1 նկարի ֆայլը չկա</translation>
    </message>
    <message>
        <source>%1 is no BMP or PNG picture</source>
        <translation>%1-ը BMP կամ PNG նկար չէ</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1-ը հնարավոր չէ կարդալ. %2</translation>
    </message>
    <message>
        <source>installed as %1</source>
        <translation>տեղադրվեց որպես %1</translation>
    </message>
    <message>
        <source>no question shows a picture; --pictures LIST.txt gives them</source>
        <translation>ոչ մի հարց նկար ցույց չի տալիս. նկարները տրվում են --pictures LIST.txt-ով</translation>
    </message>
    <message>
        <source>%1 with a picture</source>
        <extracomment>&quot;12 questions with a picture&quot;.</extracomment>
        <translation>նկարով՝ %1</translation>
    </message>
    <message>
        <source>not installed: the program would not start normally with it</source>
        <translation>չտեղադրվեց. ծրագիրը դրանով բնականոն չէր մեկնարկի</translation>
    </message>
    <message>
        <source>only %1, and a test draws thirty different questions from at least %2</source>
        <translation>ընդամենը %1, իսկ տեստը երեսուն տարբեր հարց է ընտրում առնվազն %2 գրառումից</translation>
    </message>
    <message>
        <source>1 record has a right answer other than 1 to 4, and no answer to it counts as right</source>
        <translation>1 գրառում ունի 1-ից 4 թվերից տարբեր ճիշտ պատասխան, և նրա ոչ մի պատասխան ճիշտ չի համարվում</translation>
    </message>
    <message>
        <source>%1 records have a right answer other than 1 to 4, and no answer to it counts as right</source>
        <translation>%1 գրառում ունի 1-ից 4 թվերից տարբեր ճիշտ պատասխան, և դրանց ոչ մի պատասխան ճիշտ չի համարվում</translation>
    </message>
    <message>
        <source>not installed: %1; --force installs it anyway</source>
        <translation>չտեղադրվեց. %1. --force-ն այն տեղադրում է ամեն դեպքում</translation>
    </message>
    <message>
        <source>nothing installed</source>
        <translation>ոչինչ չտեղադրվեց</translation>
    </message>
    <message>
        <source>no backups in %1; lorvane-bank restore --default puts back the test carried in the program</source>
        <translation>%1 թղթապանակում պահուստային պատճեններ չկան. lorvane-bank restore --default-ը վերադարձնում է ծրագրի հետ տրվող տեստը</translation>
    </message>
    <message>
        <source>backups of %1 in %2:</source>
        <translation>%1-ի պահուստային պատճենները %2 թղթապանակում՝</translation>
    </message>
    <message>
        <source>, with a picture list</source>
        <translation>, նկարների ցանկով</translation>
    </message>
    <message>
        <source>lorvane-bank restore N puts backup N back, restore --default the test carried in the program; the test they replace is kept as a backup too</source>
        <translation>lorvane-bank restore N-ը վերադարձնում է №N պահուստային պատճենը, restore --default-ը՝ ծրագրի հետ տրվող տեստը. փոխարինվող տեստը նույնպես պահվում է որպես պահուստային պատճեն</translation>
    </message>
    <message>
        <source>there is no backup %1 in %2 (lorvane-bank restore lists them)</source>
        <translation>%2 թղթապանակում №%1 պահուստային պատճեն չկա (lorvane-bank restore-ը ցույց է տալիս դրանց ցանկը)</translation>
    </message>
    <message>
        <source>backup %1 is back as %2</source>
        <translation>№%1 պահուստային պատճենը վերադարձվեց որպես %2</translation>
    </message>
    <message>
        <source>the test carried in the program is back as %1, with its own pictures</source>
        <translation>ծրագրի հետ տրվող տեստը վերադարձվեց որպես %1՝ իր նկարներով</translation>
    </message>
    <message>
        <source>the test it replaces is kept as backup %1: %2</source>
        <translation>փոխարինված տեստը պահվեց որպես №%1 պահուստային պատճեն՝ %2</translation>
    </message>
</context>
<context>
    <name>bank::BankSource</name>
    <message>
        <source>expected &quot;%1&quot; — found an empty line</source>
        <translation>սպասվում էր &quot;%1&quot; — գտնվեց դատարկ տող</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot; — found &quot;%2%3&quot;</source>
        <extracomment>%2 is the start of the line found, %3 &quot;...&quot; when it is longer.</extracomment>
        <translation>սպասվում էր &quot;%1&quot; — գտնվեց &quot;%2%3&quot;</translation>
    </message>
    <message>
        <source>nothing may follow the END line</source>
        <translation>END տողից հետո ոչինչ չի կարող լինել</translation>
    </message>
    <message>
        <source>expected a record header like [12]</source>
        <translation>սպասվում էր [12]-ի նման գրառման վերնագիր</translation>
    </message>
    <message>
        <source>record %1 where %2 was expected</source>
        <translation>№%1 գրառում, մինչդեռ սպասվում էր №%2</translation>
    </message>
    <message>
        <source>record ends too early</source>
        <translation>գրառումը շատ վաղ է ավարտվում</translation>
    </message>
    <message>
        <source>the right answer must be 1, 2, 3 or 4</source>
        <translation>ճիշտ պատասխանը պետք է լինի 1, 2, 3 կամ 4</translation>
    </message>
</context>
<context>
    <name>bank::FileKind</name>
    <message>
        <source>UTF-16 text</source>
        <translation>UTF-16 տեքստ</translation>
    </message>
    <message>
        <source>a Word or OpenDocument document (.docx, .odt) or another zip archive</source>
        <translation>Word կամ OpenDocument փաստաթուղթ (.docx, .odt) կամ այլ zip արխիվ</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>PDF փաստաթուղթ</translation>
    </message>
    <message>
        <source>an old Word document (.doc)</source>
        <translation>Word-ի հին փաստաթուղթ (.doc)</translation>
    </message>
    <message>
        <source>a rich text document (.rtf)</source>
        <translation>RTF փաստաթուղթ (.rtf)</translation>
    </message>
    <message>
        <source>the file is %1: save it as plain text, UTF-8</source>
        <extracomment>%1 is what the file is, &quot;a PDF document&quot; or the like.</extracomment>
        <translation>ֆայլը %1 է. պահպանեք այն որպես պարզ տեքստ՝ UTF-8 կոդավորմամբ</translation>
    </message>
</context>
<context>
    <name>bank::LoadError</name>
    <message>
        <source>no error</source>
        <translation>սխալ չկա</translation>
    </message>
    <message>
        <source>the file ends inside a record</source>
        <translation>ֆայլն ավարտվում է գրառման ներսում</translation>
    </message>
    <message>
        <source>a quoted text has no closing quote on its line</source>
        <translation>չակերտներով տեքստն իր տողում փակող չակերտ չունի</translation>
    </message>
    <message>
        <source>the right answer&apos;s field holds no number</source>
        <translation>ճիշտ պատասխանի դաշտում թիվ չկա</translation>
    </message>
    <message>
        <source>the right answer&apos;s number is not a whole number</source>
        <translation>ճիշտ պատասխանի թիվն ամբողջ թիվ չէ</translation>
    </message>
    <message>
        <source>the right answer&apos;s number is out of range</source>
        <translation>ճիշտ պատասխանի թիվը թույլատրելի սահմաններից դուրս է</translation>
    </message>
    <message>
        <source>the file holds more than 32767 records</source>
        <translation>ֆայլում կա 32767-ից ավելի գրառում</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>անհայտ սխալ</translation>
    </message>
</context>
<context>
    <name>bank::PictureList</name>
    <message>
        <source>a line is RECORD: carried N or RECORD: FILE</source>
        <translation>տողը պետք է լինի RECORD: carried N կամ RECORD: FILE</translation>
    </message>
    <message>
        <source>the test has no record %1, only 1 to %2</source>
        <translation>տեստում №%1 գրառում չկա, կան միայն 1-ից %2-ը</translation>
    </message>
    <message>
        <source>record %1 has its picture on line %2 already</source>
        <translation>№%1 գրառման նկարն արդեն տրված է №%2 տողում</translation>
    </message>
    <message>
        <source>no picture named for record %1</source>
        <translation>№%1 գրառման համար նկար նշված չէ</translation>
    </message>
    <message>
        <source>the carried test&apos;s question %1 has no picture</source>
        <translation>ծրագրի հետ տրվող տեստի №%1 հարցը նկար չունի</translation>
    </message>
</context>
<context>
    <name>bank::SourceDecoder</name>
    <message>
        <source>byte 0x%1 stands for no character</source>
        <translation>0x%1 բայթը ոչ մի նիշի չի համապատասխանում</translation>
    </message>
    <message>
        <source>empty text</source>
        <translation>դատարկ տեքստ</translation>
    </message>
    <message>
        <source>the right answer %1 is none of 1, 2, 3 and 4</source>
        <translation>ճիշտ պատասխանը՝ %1, 1, 2, 3 և 4 թվերից ոչ մեկը չէ</translation>
    </message>
</context>
<context>
    <name>bank::SourceEncoder</name>
    <message>
        <source>empty text</source>
        <translation>դատարկ տեքստ</translation>
    </message>
    <message>
        <source>character %1 cannot be written in ArmSCII-8</source>
        <translation>%1 նիշը հնարավոր չէ գրել ArmSCII-8-ով</translation>
    </message>
    <message>
        <source>character %1 cannot be written in ArmSCII-8 (--fix-typography leaves it out)</source>
        <translation>%1 նիշը հնարավոր չէ գրել ArmSCII-8-ով (--fix-typography-ն այն բաց է թողնում)</translation>
    </message>
    <message>
        <source>character %1 cannot be written in ArmSCII-8 (--fix-typography writes &quot;%2&quot; for it)</source>
        <translation>%1 նիշը հնարավոր չէ գրել ArmSCII-8-ով (--fix-typography-ը դրա փոխարեն գրում է &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>a text cannot hold a double quote</source>
        <translation>տեքստը չի կարող պարունակել կրկնակի չակերտ</translation>
    </message>
    <message>
        <source>a text cannot hold a line break</source>
        <translation>տեքստը չի կարող պարունակել տողի ընդմիջում</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>գրառումներ չկան</translation>
    </message>
    <message>
        <source>the first question must begin with a full stop, or the program takes the file for a foreign one (--add-signature puts one in)</source>
        <translation>առաջին հարցը պետք է սկսվի վերջակետով (.), այլապես ծրագիրը ֆայլը համարում է օտար (--add-signature-ն այն ավելացնում է)</translation>
    </message>
    <message>
        <source>the program reads at most %1 questions</source>
        <translation>ծրագիրը կարդում է առավելագույնը %1 հարց</translation>
    </message>
    <message>
        <source>no questions</source>
        <translation>հարցեր չկան</translation>
    </message>
</context>
<context>
    <name>bank::SourceError</name>
    <message>
        <source>warning: %1</source>
        <translation>զգուշացում. %1</translation>
    </message>
</context>
<context>
    <name>bank::Typography</name>
    <message>
        <source>%1 replaced with &quot;%2&quot;</source>
        <translation>%1 նիշը փոխարինվեց &quot;%2&quot;-ով</translation>
    </message>
    <message>
        <source>%1 replaced with &quot;%2&quot; once, here</source>
        <translation>%1 նիշը փոխարինվեց &quot;%2&quot;-ով մեկ անգամ՝ այստեղ</translation>
    </message>
    <message>
        <source>%1 replaced with &quot;%2&quot; %3 times, first here</source>
        <translation>%1 նիշը փոխարինվեց &quot;%2&quot;-ով %3 անգամ, առաջինը՝ այստեղ</translation>
    </message>
</context>
<context>
    <name>bank::Utf8File</name>
    <message>
        <source>the file is not valid UTF-8</source>
        <translation>ֆայլը վավեր UTF-8 չէ</translation>
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
        <translation>Այս պատասխանն ընտրվում է Բացատ կամ %1 ստեղնով</translation>
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
<context>
    <name>results::Attempt</name>
    <message>
        <source>damaged: %1 at byte %2</source>
        <translation>վնասված է. %1 (բայթ %2)</translation>
    </message>
    <message>
        <source>not an attempt file</source>
        <translation>փորձի ֆայլ չէ</translation>
    </message>
    <message>
        <source>an attempt of another version (%1)</source>
        <translation>այլ տարբերակի փորձ (%1)</translation>
    </message>
    <message>
        <source>damaged: no end time or no questions</source>
        <translation>վնասված է. չկա ավարտի ժամանակ կամ հարցեր</translation>
    </message>
</context>
<context>
    <name>results::AttemptFolder</name>
    <message>
        <source>not an attempt file: far too large</source>
        <translation>փորձի ֆայլ չէ. չափազանց մեծ է</translation>
    </message>
</context>
<context>
    <name>results::AttemptWriter</name>
    <message>
        <source>it gave no answer in %1 seconds</source>
        <translation>այն %1 վայրկյանում չարձագանքեց</translation>
    </message>
    <message>
        <source>no folder is set</source>
        <translation>թղթապանակ նշված չէ</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>թղթապանակը հնարավոր չէ ստեղծել</translation>
    </message>
</context>
<context>
    <name>results::ClassReport</name>
    <message>
        <source>%1 of %2, %3%</source>
        <translation>%1՝ %2-ից, %3%</translation>
    </message>
    <message>
        <source>answered right less often than guessing among four answers would (%1)</source>
        <translation>ճիշտ են պատասխանել ավելի հազվադեպ, քան չորս պատասխանից գուշակելու դեպքում (%1)</translation>
    </message>
    <message>
        <source>answered right almost always (%1): it tells no one apart</source>
        <translation>ճիշտ են պատասխանել գրեթե միշտ (%1). այն ոչ ոքի չի տարբերում</translation>
    </message>
    <message>
        <source>students with fewer right answers elsewhere answered it right more often than those with more (discrimination %1)</source>
        <translation>մյուս հարցերում ավելի քիչ ճիշտ պատասխան ունեցող աշակերտներն այս հարցին ավելի հաճախ են ճիշտ պատասխանել, քան ավելի շատ ունեցողները (տարբերակման ցուցիչ՝ %1)</translation>
    </message>
    <message>
        <source>it hardly separates the stronger students from the weaker (discrimination %1, below %2)</source>
        <translation>այն գրեթե չի տարբերում ուժեղ աշակերտներին թույլերից (տարբերակման ցուցիչ՝ %1, %2-ից ցածր)</translation>
    </message>
    <message>
        <source>answer %1 was chosen more often than the right answer %2 (%3 times against %4): is the key right?</source>
        <translation>№%1 պատասխանն ընտրվել է ավելի հաճախ, քան №%2 ճիշտ պատասխանը (%3 անգամ՝ %4-ի դիմաց). արդյո՞ք բանալին ճիշտ է</translation>
    </message>
    <message>
        <source>nobody chose answer %1: it draws no one away from the right answer</source>
        <translation>ոչ ոք չի ընտրել №%1 պատասխանը. այն ոչ ոքի չի շեղում ճիշտ պատասխանից</translation>
    </message>
</context>
</TS>

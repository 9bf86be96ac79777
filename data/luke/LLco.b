 1:13	WH	to whom did the angel say, "Fear not, Zacharias: for thy prayer is heard ..."?	Zacharias
 1:18	WH	to whom did Zacharias say, "Whereby shall I know ..."?	The angel
 1:34	WH	to whom did Mary say, "How shall this be ..."?	The angel
 1:46	WH	who said, "My soul doth magnify the Lord ..."?	Mary
 1:56	HM	how many months did Mary abide with her?	About three months
 1:60	WT	what did his mother say?	Not so; but he shall be called John.
 2:10	WH	who said, "Fear not: for, behold ..."?	The angel
 2:21	HM	how many days are spoken of?	Eight days
 2:37	HM	how many years are spoken of?	Four years
 2:42	HM	how many years are spoken of?	Twelve years
 3:11	HM	how many coats are spoken of?	Two coats
 3:16	WH	to whom did John say, "I indeed baptize you with water ..."?	The people
 3:26	WH	whose son was Mattathias?	Semei
 3:28	WH	whose son was Cosam?	Elmodam
 3:29	WH	whose son was Jose?	Eliezer
 3:32	WH	whose son was Obed?	Booz
 3:33	WH	whose son was Phares?	Juda
 3:34	WH	whose son was Jacob?	Isaac
 3:35	WH	whose son was Phalec?	Heber
 3:36	WH	whose son was Cainan?	Arphaxad
 3:38	WH	whose son was Enos?	Seth
 4: 2	HM	how many days are spoken of?	Forty days
 4: 4	WT	what did Jesus say?	It is written, That man shall not live by bread alone, but by every word of God.
 4: 6	WT	what did the devil say?	All this power will I give thee, and the glory of them: for that is delivered unto me; and to whomsoever I will I give it.
 4:12	WH	who said, "It is said, Thou shalt not tempt the ..."?	Jesus
 4:18	WY	why is it said that the Spirit of the Lord is upon me?	Because he hath anointed me to preach the gospel to the poor
 4:25	HM	how many years are spoken of?	Three years
 5: 2	HM	how many ships are spoken of?	Two ships
 5: 4	WH	who said, "Launch out into the deep ..."?	Jesus
 5: 5	WH	who said, "Master, we have toiled all the night ..."?	Simon
 5:22	WH	who said, "What reason ye in your ..."?	Jesus
 5:31	WH	who said, "They that are whole need not a physician ..."?	Jesus
 5:34	WH	who said, "Can ye make the children of the bridechamber ..."?	Jesus
 6:15	WH	whose son was James?	Alphaeus
 8:42	HM	how many years are spoken of?	About twelve years
 8:43	HM	how many years are spoken of?	Twelve years
 8:45	WH	who said, "Who touched ..."?	Jesus
 8:46	WH	who said, "Somebody hath touched me ..."?	Jesus
12: 6	HM	how many sparrows are spoken of?	Five sparrows
12:13	WH	who said, "Master, speak to my brother ..."?	The company
12:22	WH	to whom did Jesus say, "Therefore I say unto you ..."?	His disciples
12:41	WT	what did Peter say?	Lord, speakest thou this parable unto us, or even to all?
13: 2	WT	what did Jesus say?	Suppose ye that these Galilaeans were sinners above all the Galilaeans, because they suffered such things?
13: 7	HM	how many years are spoken of?	Three years
13:11	HM	how many years are spoken of?	Eighteen years
13:14	HM	how many days are spoken of?	Six days
13:32	WH	to whom did Jesus say, "Go ye, and tell that fox ..."?	The Pharisees
17: 1	WH	to whom did Jesus say, "It is impossible but that offences will come ..."?	The disciples
17:12	HM	how many men are spoken of?	Ten men
17:34	HM	how many men are spoken of?	Two men
18:28	WT	what did Peter say?	Lo, we have left all, and followed thee.
18:31	WH	who said, "Behold, we go up to Jerusalem ..."?	Jesus
19: 9	WT	what did Jesus say?	This day is salvation come to this house, forsomuch as he also is a son of Abraham.
19:17	HM	how many cities are spoken of?	Ten cities
19:18	HM	how many pounds are spoken of?	Five pounds
19:21	WY	why is it said that I feared thee?	Because thou art an austere man
19:24	HM	how many pounds are spoken of?	Ten pounds
19:39	WT	what did the multitude say?	Master, rebuke thy disciples.
20:34	WH	who said, "The children of this world marry ..."?	Jesus
22:30	HM	how many tribes are spoken of?	Twelve tribes
22:31	WH	who said, "Simon, Simon, behold, Satan hath desired to have ..."?	The Lord
22:38	HM	how many swords are spoken of?	Two swords
22:51	WH	who said, "Suffer ye thus far ..."?	Jesus
22:56	WT	what did a certain maid say?	This man was also with him.
22:60	WT	what did Peter say?	Man, I know not what thou sayest
22:67	WH	who said, "If I tell you ..."?	Jesus
23:43	WH	who said, "Verily I say unto thee ..."?	Jesus
24: 4	HM	how many men are spoken of?	Two men
24:25	WH	who said, "O fools, and slow of heart to believe ..."?	Jesus

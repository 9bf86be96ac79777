 1:13	WH	who said, "Fear not, Zacharias: for thy prayer is heard ..."?	The angel
 1:18	WH	who said, "Whereby shall I know ..."?	Zacharias
 1:34	WH	to whom did Mary say, "How shall this be ..."?	The angel
 1:46	WH	who said, "My soul doth magnify the Lord ..."?	Mary
 1:60	WH	who said, "Not so; but he shall be called John ..."?	His mother
 2:10	WH	who said, "Fear not: for, behold ..."?	The angel
 3:16	WH	who said, "I indeed baptize you with water ..."?	John
 3:26	WH	whose son was Mattathias?	Semei
 3:28	WH	whose son was Cosam?	Elmodam
 3:29	WH	whose son was Jose?	Eliezer
 3:32	WH	whose son was Obed?	Booz
 3:33	WH	whose son was Phares?	Juda
 3:34	WH	whose son was Jacob?	Isaac
 3:35	WH	whose son was Phalec?	Heber
 3:36	WH	whose son was Cainan?	Arphaxad
 3:38	WH	whose son was Enos?	Seth
 4: 4	WH	who said, "It is written, That man shall not live ..."?	Jesus
 4: 6	WH	who said, "All this power will I give thee ..."?	The devil
 4:12	WH	who said, "It is said, Thou shalt not tempt the ..."?	Jesus
 4:18	WY	why is it said that the Spirit of the Lord is upon me?	Because he hath anointed me to preach the gospel to the poor
 5: 4	WH	who said, "Launch out into the deep ..."?	Jesus
 5: 5	WH	who said, "Master, we have toiled all the night ..."?	Simon
 5:22	WH	who said, "What reason ye in your ..."?	Jesus
 5:31	WH	to whom did Jesus say, "They that are whole need not a physician ..."?	His disciples
 5:34	WH	who said, "Can ye make the children of the bridechamber ..."?	Jesus
 6:15	WH	whose son was James?	Alphaeus
 8:45	WH	who said, "Who touched ..."?	Jesus
 8:46	WH	who said, "Somebody hath touched me ..."?	Jesus
12:13	WH	who said, "Master, speak to my brother ..."?	The company
12:22	WH	to whom did Jesus say, "Therefore I say unto you ..."?	His disciples
12:41	WH	who said, "Lord, speakest thou this parable unto us ..."?	Peter
13: 2	WH	who said, "Suppose ye that these Galilaeans were sinners above ..."?	Jesus
13:14	WY	why is it said that the ruler of the synagogue answered with indignation?	Because Jesus had healed on the sabbath day, and said unto the people, There are six days in which men ought to work
13:32	WH	to whom did Jesus say, "Go ye, and tell that fox ..."?	The Pharisees
17: 1	WH	to whom did Jesus say, "It is impossible but that offences will come ..."?	The disciples
18:28	WH	who said, "Lo, we have left all ..."?	Peter
18:31	WH	who said, "Behold, we go up to Jerusalem ..."?	Jesus
19: 9	WH	who said, "This day is salvation come to this house ..."?	Jesus
19:21	WY	why is it said that I feared thee?	Because thou art an austere man
19:39	WH	who said, "Master, rebuke thy disciples ..."?	The multitude
20:34	WH	who said, "The children of this world marry ..."?	Jesus
22:31	WH	who said, "Simon, Simon, behold, Satan hath desired to have ..."?	The Lord
22:51	WH	who said, "Suffer ye thus far ..."?	Jesus
22:56	WH	who said, "This man was also with him ..."?	A certain maid
22:60	WH	who said, "Man, I know not what thou sayest ..."?	Peter
22:67	WH	who said, "If I tell you ..."?	Jesus
23:43	WH	who said, "Verily I say unto thee ..."?	Jesus
24:25	WH	who said, "O fools, and slow of heart to believe ..."?	Jesus
